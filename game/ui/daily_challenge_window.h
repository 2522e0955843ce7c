// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/daily_challenge_board.h"
#include "platform/core/platform.h"

#include <QDateTime>
#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// "File > Sfida del giorno": today's board of the site's daily challenge played as
// one manche of 60 seconds with no computer players. The board comes from the site
// through the platform's HTTP service; at the end the browser opens the site's page
// that judges the word again and stores it. The window is modal (the main game's
// clock waits while it is open) and opened without a loop of its own.
class DailyChallengeWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kCaption = "Sfida del giorno";

    // Opens the window and asks the site for the board; with no site set up, says so
    // and opens nothing. The window deletes itself when closed.
    static DailyChallengeWindow* Start(QWidget* parent, Platform platform, const SiteAddress& site, Language language);

    // The seconds shown, run by a timer: at the sixtieth the word goes as it stands.
    void Tick();
    // "Invia" or Enter: the word and the seconds go to the site, the window closes.
    void Finish();

    QLineEdit* WordBox() const { return word_; }
    QLabel* LettersLabel() const { return letters_; }
    QLabel* StatusLabel() const { return status_; }

private:
    DailyChallengeWindow(QWidget* parent, Platform platform, SiteAddress site, Language language);
    void Fetched(const std::optional<QByteArray>& text);
    int SecondsTaken();

    Platform platform_;
    SiteAddress site_;
    Language language_;
    std::optional<DailyChallengeBoard> board_;
    QDateTime startedAt_;
    bool finished_ = false;
    QLabel* status_ = nullptr;
    QLabel* letters_ = nullptr;
    QLabel* time_ = nullptr;
    QLineEdit* word_ = nullptr;
    QPushButton* send_ = nullptr;
    QTimer* timer_ = nullptr;
};
