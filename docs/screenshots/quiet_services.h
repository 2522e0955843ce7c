#pragma once

// The outside world of the screenshot programs: no shell, no network, no sound, no
// spelling, and pictures saved or reported.

#include "dialogs.h"
#include "http_fetcher.h"
#include "shell.h"
#include "spell_checker.h"
#include "wave_player.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>

#include <cstdio>

// Tells its messages on the terminal and answers every question at once: OK, No,
// no input. A program overrides what its pictures need.
class QuietDialogs : public Dialogs {
public:
    void Inform(const QString& text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    Answer AskOkCancel(const QString&) override { return Answer::Ok; }
    Answer AskYesNo(const QString&) override { return Answer::No; }
    Answer AskYesNoCancel(const QString&) override { return Answer::No; }
    std::optional<QString> InputBox(const QString&, const QString&) override { return std::nullopt; }
    void Beep() override {}
    bool ModalOpen() const override { return QApplication::activeModalWidget() != nullptr; }
};

class NoShell : public Shell {
public:
    bool Open(const QString&) override { return true; }
};

class NoNetwork : public HttpFetcher {
public:
    void Fetch(const QString&, Done done) override { done(std::nullopt); }
};

class Silence : public WavePlayer {
public:
    void Play(const QString&) override {}
};

class NoSpelling : public SpellChecker {
public:
    QString SpellCheck(const QString& text) override { return text; }
};

inline bool SavePicture(const QPixmap& picture, const QString& file)
{
    if (picture.save(file))
        return true;
    std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
    return false;
}

// Copies the program folder `from` into `to` and writes the game's settings there, so
// that the programs run on a copy and write nothing into the build.
inline bool PrepareProgramFolder(const QString& from, const QString& to, const QByteArray& settings)
{
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name))) {
            std::fprintf(stderr, "cannot copy the program folder\n");
            return false;
        }
    }
    QFile file(QDir(to).filePath(QStringLiteral("LETTRAMA.INI")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(settings) == settings.size();
}

// Lets the program run for a while, animations and timers included, before a picture.
inline void RunEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}
