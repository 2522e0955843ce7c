// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/daily_challenge_window.h"

#include "platform/core/clock.h"
#include "platform/core/dialogs.h"
#include "platform/core/http_fetcher.h"
#include "platform/core/shell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

DailyChallengeWindow* DailyChallengeWindow::Start(QWidget* parent, Platform platform, const SiteAddress& site,
                                                  Language language)
{
    if (!site.IsSet()) {
        platform.dialogs.Inform(SiteAddress::NotSetUpMessage());
        return nullptr;
    }
    auto* window = new DailyChallengeWindow(parent, platform, site, language);
    window->open();
    QPointer<DailyChallengeWindow> alive(window);
    platform.http.Fetch(DailyChallengeBoard::Address(site, language), [alive](std::optional<QByteArray> text) {
        // The player may have closed the window before the answer came.
        if (alive)
            alive->Fetched(text);
    });
    return window;
}

DailyChallengeWindow::DailyChallengeWindow(QWidget* parent, Platform platform, SiteAddress site, Language language)
    : QDialog(parent), platform_(platform), site_(std::move(site)), language_(language)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QString::fromLatin1(kCaption));
    auto* layout = new QVBoxLayout(this);
    status_ = new QLabel(QStringLiteral("Scarico la sfida di oggi dal sito..."), this);
    status_->setWordWrap(true);
    letters_ = new QLabel(this);
    QFont big = letters_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    big.setLetterSpacing(QFont::PercentageSpacing, 140);
    letters_->setFont(big);
    letters_->setAlignment(Qt::AlignCenter);
    time_ = new QLabel(this);
    auto* caption = new QLabel(QStringLiteral("La tua &parola:"), this);
    word_ = new QLineEdit(this);
    word_->setMaxLength(DailyChallengeBoard::kLetters);
    word_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]*")), word_));
    word_->setEnabled(false);
    caption->setBuddy(word_);
    send_ = new QPushButton(QStringLiteral("&Invia"), this);
    send_->setEnabled(false);
    send_->setDefault(true);
    for (QWidget* widget : {static_cast<QWidget*>(status_), static_cast<QWidget*>(letters_),
                            static_cast<QWidget*>(time_), static_cast<QWidget*>(caption),
                            static_cast<QWidget*>(word_), static_cast<QWidget*>(send_)})
        layout->addWidget(widget);
    connect(word_, &QLineEdit::textEdited, this, [this](const QString& text) { word_->setText(text.toUpper()); });
    connect(word_, &QLineEdit::returnPressed, this, &DailyChallengeWindow::Finish);
    connect(send_, &QPushButton::clicked, this, &DailyChallengeWindow::Finish);
    timer_ = new QTimer(this);
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &DailyChallengeWindow::Tick);
}

void DailyChallengeWindow::Fetched(const std::optional<QByteArray>& text)
{
    board_ = text ? DailyChallengeBoard::Parse(*text, language_) : std::nullopt;
    if (!board_) {
        status_->setText(QStringLiteral("La sfida di oggi non è disponibile: il sito non ha risposto o non ha una "
                                        "sfida in questa lingua."));
        return;
    }
    QStringList spaced;
    for (const QChar letter : board_->letters)
        spaced << QString(letter);
    letters_->setText(spaced.join(QLatin1Char(' ')));
    letters_->setAccessibleName(QStringLiteral("Lettere: ") + spaced.join(QLatin1Char(' ')));
    status_->setText(QStringLiteral("Sfida del %1: trova la parola più lunga in 60 secondi.")
                         .arg(board_->day.toString(QStringLiteral("dd-MM-yyyy"))));
    startedAt_ = platform_.clock.Now();
    word_->setEnabled(true);
    send_->setEnabled(true);
    word_->setFocus();
    timer_->start();
    Tick();
}

int DailyChallengeWindow::SecondsTaken()
{
    const qint64 ms = startedAt_.msecsTo(platform_.clock.Now());
    return static_cast<int>(std::clamp<qint64>(ms / 1000, 0, DailyChallengeBoard::kSeconds));
}

void DailyChallengeWindow::Tick()
{
    if (!board_ || finished_)
        return;
    const int taken = SecondsTaken();
    time_->setText(QStringLiteral("%1 / %2 Sec.").arg(taken).arg(DailyChallengeBoard::kSeconds));
    if (taken >= DailyChallengeBoard::kSeconds)
        Finish();
}

void DailyChallengeWindow::Finish()
{
    if (!board_ || finished_)
        return;
    finished_ = true;
    timer_->stop();
    // The site judges the word again: one the board cannot spell, or a second try, is refused there.
    platform_.shell.Open(DailyChallengeBoard::ResultAddress(site_, language_, word_->text(), SecondsTaken()));
    close();
}
