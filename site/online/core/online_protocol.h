// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_settings.h"

#include <QJsonObject>
#include <QString>

#include <string>
#include <string_view>
#include <variant>

// The messages of the live tables, as a browser sends them (docs/online-protocol.md):
// each read whole, checked in size, shape and range before anything acts on it. What
// a checked request may do at a table (whose turn, which seat, the clock) is the
// table's to decide.
namespace OnlineProtocol {

constexpr std::size_t kMostMessageBytes = 1024;
constexpr int kLongestName = 24;

enum class Kind { Lobby, Create, Join, Sit, Draw, Word, Done, Report, Continue, Again, Leave };
enum class DrawKind { Vowel, Consonant, Auto };

// What a table is opened with.
struct TableOptions {
    Language language = Language::Italian;
    int letters = 8;
    int seconds = 60;
    Difficulty level = Difficulty::Medium;
};

struct Request {
    Kind kind = Kind::Lobby;
    QString table;
    QString token;
    QString name;
    QString word;
    int seat = -1;  // a word's seat when the browser names one
    DrawKind draw = DrawKind::Auto;
    TableOptions options;
};

// Why a message was refused: the code the browser acts on, the text it shows.
struct Refusal {
    std::string why;
    QString text;
};

std::variant<Request, Refusal> Parse(std::string_view message);

// The refusal of that code, with its Italian text.
Refusal Refused(const std::string& why);
// A refusal as sent to the browser.
std::string RefusalMessage(const Refusal& refusal);
// A message of kind `t` with the given fields, as one line of compact JSON.
std::string Message(const char* kind, QJsonObject fields = {});

// A player's name as typed, trimmed; empty when it is empty, too long or unprintable.
QString CheckedName(const QString& typed);

}  // namespace OnlineProtocol
