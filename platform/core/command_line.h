// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The window programs take no options of their own but the two every program answers
// without opening a window, so that a terminal (and the manual pages made from them)
// can ask what they are.
namespace CommandLine {

struct Program {
    QString command;      // the installed command, "letterama"
    QString version;      // "1.0.0"
    QString description;  // one sentence
};

// What to print, and where, before leaving.
struct Answer {
    int status = 0;
    QString out;
    QString err;
};

// The answer to "--help"/"-h" or "--version"/"-v" when the arguments (the program's
// name first) hold one; nothing when the program should open its window. Every other
// argument is left to the window system (Qt's own options such as -platform).
std::optional<Answer> AnswerWithoutWindow(const QStringList& arguments, const Program& program);

// The arguments as the system passed them.
QStringList ArgumentsOf(int argc, char** argv);

// Prints the answer and returns its exit status.
int Print(const Answer& answer);

}  // namespace CommandLine
