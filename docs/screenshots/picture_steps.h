// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of a picture-taking program, run one after another from the program's
// one event loop: each waits until its moment has come (polled every 50 ms), then
// acts. A step that waits too long ends the run as failed, so that a broken window
// never leaves the program hanging.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

class PictureSteps {
public:
    // Acts as soon as `ready` holds, within `seconds`.
    void When(const char* what, std::function<bool()> ready, std::function<void()> act, int seconds = 20)
    {
        steps_.push_back({what, std::move(ready), std::move(act), seconds * 1000, 0});
    }
    // Acts once `milliseconds` have passed since the step before acted.
    void After(int milliseconds, std::function<void()> act)
    {
        steps_.push_back({"pause", [] { return true; }, std::move(act), milliseconds + 1000, milliseconds});
    }

    // Runs every step; 0 when all acted, 1 when one waited in vain.
    int Run()
    {
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [this] { Poll(); });
        poll.start();
        clock_.start();
        return QApplication::exec();
    }

private:
    struct Step {
        const char* what;
        std::function<bool()> ready;
        std::function<void()> act;
        int limitMs;
        int pauseMs;
    };

    void Poll()
    {
        if (acting_)
            return;
        if (next_ == steps_.size()) {
            QApplication::exit(0);
            return;
        }
        const Step& step = steps_[next_];
        if (clock_.elapsed() < step.pauseMs || !step.ready()) {
            if (clock_.elapsed() > step.limitMs) {
                std::fprintf(stderr, "gave up waiting for: %s\n", step.what);
                QApplication::exit(1);
            }
            return;
        }
        // Acted from a zero timer, not from inside this poll: an act may open a modal
        // box, whose own loop then goes on polling for the next step.
        acting_ = true;
        QTimer::singleShot(0, [this] {
            const std::function<void()> act = steps_[next_].act;
            ++next_;
            clock_.restart();
            acting_ = false;
            act();
        });
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QElapsedTimer clock_;
    bool acting_ = false;
};
