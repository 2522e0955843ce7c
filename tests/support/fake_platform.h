// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/clock.h"
#include "platform/core/dialogs.h"
#include "platform/core/http_fetcher.h"
#include "platform/core/platform.h"
#include "platform/core/random_source.h"
#include "platform/core/shell.h"
#include "platform/core/wave_player.h"
#include "platform/ui/window_places.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <optional>

// Answers every modal question from a script and records what was asked. A question
// the script has no answer for is answered with the first button (OK or Yes) or,
// for an input box, with cancel.
class FakeDialogs : public Dialogs {
public:
    struct Question {
        QString kind;  // "inform", "okcancel", "yesno", "yesnocancel", "input"
        QString text;
    };

    void Inform(const QString& text) override;
    Answer AskOkCancel(const QString& text) override;
    Answer AskYesNo(const QString& text) override;
    // Asked as "yesno-default-no"; unscripted, it takes the default No.
    Answer AskYesNoDefaultNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> InputBox(const QString& prompt, const QString& defaultText) override;
    void Beep() override { ++beeps; }
    // True while a question is being answered (inside onQuestion) and while a real
    // modal window is open.
    bool ModalOpen() const override;

    // Scripted answers, used in order.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    // Run when a question is asked, before it is answered (for example to act while
    // a modal question is open).
    std::function<void(const Question&)> onQuestion;

    std::vector<Question> asked;
    int beeps = 0;

    QStringList Texts() const;
    QString LastText() const { return asked.empty() ? QString() : asked.back().text; }

private:
    Answer Next(const QString& kind, const QString& text, Answer fallback);
    void Ask(const QString& kind, const QString& text);

    int answering_ = 0;
};

class FakeShell : public Shell {
public:
    bool Open(const QString& target) override
    {
        opened.append(target);
        return handled;
    }
    QStringList opened;
    bool handled = true;  // false acts out a system with no program for the target
};

// Holds requests until the test answers them, or answers at once from `replies`.
class FakeHttpFetcher : public HttpFetcher {
public:
    void Fetch(const QString& url, Done done) override;
    // Answers every pending request for `url`.
    void Answer(const QString& url, std::optional<QByteArray> body);

    std::map<QString, std::optional<QByteArray>> replies;  // answered at once when present
    std::vector<std::pair<QString, Done>> pending;
    QStringList requested;
};

class FakeWavePlayer : public WavePlayer {
public:
    void Play(const QString& path) override { played.append(path); }
    bool HasOutput() const override { return hasOutput; }
    QStringList played;
    bool hasOutput = true;  // false acts out a machine without a sound device
};

// A clock that stands still until Advance moves it.
class FakeClock : public Clock {
public:
    FakeClock() : now(QDateTime(QDate(2026, 12, 8), QTime(15, 0))) {}
    QDateTime Now() override { return now; }
    void Advance(double seconds) { now = now.addMSecs(static_cast<qint64>(seconds * 1000)); }

    QDateTime now;
};

// Returns scripted numbers, then `fallback` for every further draw.
class FakeRandom : public RandomSource {
public:
    double Next() override
    {
        ++draws;
        if (values.empty())
            return fallback;
        const double r = values.front();
        values.pop_front();
        return r;
    }
    std::deque<double> values;
    double fallback = 0.0;
    int draws = 0;
};

// The whole fake platform, ready to hand to a window.
struct FakePlatform {
    FakeDialogs dialogs;
    FakeShell shell;
    FakeHttpFetcher http;
    FakeWavePlayer wave;
    FakeClock clock;
    FakeRandom random;
    // Remembers no window's place unless a test names a file.
    WindowPlaces places;

    Platform platform() { return Platform{dialogs, shell, http, wave, clock, random, places}; }
};
