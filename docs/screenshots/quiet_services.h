// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The outside world of the screenshot programs: no shell, no network, no sound, no
// spelling, and pictures saved or reported.

#include "platform/core/dialogs.h"
#include "platform/core/http_fetcher.h"
#include "platform/core/platform.h"
#include "platform/core/shell.h"
#include "platform/core/spell_checker.h"
#include "platform/core/system_clock.h"
#include "platform/core/system_random.h"
#include "platform/core/wave_player.h"
#include "platform/ui/window_places.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>

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

// The services of a quiet window: the ones above with the real clock and chance.
struct QuietServices {
    NoShell shell;
    NoNetwork http;
    Silence wave;
    SystemClock clock;
    SystemRandom random{clock};
    NoSpelling spelling;
    WindowPlaces places;  // none kept

    Platform With(Dialogs& dialogs) { return Platform{dialogs, shell, http, wave, clock, random, places}; }
};

inline bool SavePicture(const QPixmap& picture, const QString& file)
{
    if (picture.save(file))
        return true;
    std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
    return false;
}

// The two arguments of the game's picture programs: the program folder, copied into
// `copy` with settings for a medium game of ten letters in tile style `tileStyle`,
// sound off; and the folder the pictures go to. False, having said why, when the
// arguments are wrong or the copy fails; the game then writes nothing into the build.
inline bool TakeGameArguments(const QStringList& arguments, int tileStyle, QTemporaryDir& copy, QDir& output)
{
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s <program folder> <output folder>\n",
                     qPrintable(QFileInfo(arguments.value(0)).fileName()));
        return false;
    }
    output = QDir(QDir(arguments[2]).absolutePath());
    const QDir source(arguments[1]);
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!copy.isValid() || !QFile::copy(source.filePath(name), QDir(copy.path()).filePath(name))) {
            std::fprintf(stderr, "cannot copy the program folder\n");
            return false;
        }
    }
    const QByteArray settings = "Livello=Medio\r\nSuono=No\r\nTempo=60\r\nNumeroLettere=10\r\nGiocatore1=Lucia\r\n"
                                "SfondoCasella=" + QByteArray::number(tileStyle) + "\r\nDizionario= 1\r\n";
    QFile file(QDir(copy.path()).filePath(QStringLiteral("LETTRAMA.INI")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(settings) == settings.size();
}
