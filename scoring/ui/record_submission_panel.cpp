// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ui/record_submission_panel.h"

#include "platform/core/clock.h"
#include "platform/core/dialogs.h"
#include "model/game_rules.h"
#include "model/game_state.h"
#include "platform/core/program_files.h"
#include "scoring/core/record_address.h"
#include "platform/core/shell.h"
#include "platform/core/site_address.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

RecordSubmissionPanel::RecordSubmissionPanel(const GameState& state, Platform platform, const ProgramFiles& files,
                                             QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform)
{
    auto* noteLabel = new QLabel(QStringLiteral("Note sul punteggio:"), this);
    note_ = new QLineEdit(QStringLiteral("Sono il migliore"), this);
    note_->setObjectName(QStringLiteral("noteBox"));
    note_->setAccessibleName(noteLabel->text());
    noteLabel->setBuddy(note_);

    auto* emailLabel = new QLabel(QStringLiteral("Mia E-Mail:"), this);
    email_ = new QLineEdit(this);
    email_->setObjectName(QStringLiteral("emailBox"));
    email_->setAccessibleName(emailLabel->text());
    emailLabel->setBuddy(email_);

    submit_ = new QPushButton(QStringLiteral("Registra record in Internet"), this);
    submit_->setObjectName(QStringLiteral("submitRecordLink"));
    submit_->setFlat(true);
    submit_->setAutoDefault(false);
    submit_->setCursor(Qt::PointingHandCursor);
    QFont linkFont = submit_->font();
    linkFont.setUnderline(true);
    submit_->setFont(linkFont);
    submit_->setToolTip(QStringLiteral("Clicca per registrare questo punteggio nella tabella mondiale su Internet"));
    submit_->setAccessibleName(submit_->text());
    submit_->setAccessibleDescription(submit_->toolTip());
    connect(submit_, &QPushButton::clicked, this, &RecordSubmissionPanel::Submit);

    // The logo is the button's face; without the picture the button says where it leads.
    const QString siteCaption = QStringLiteral("Sito dei record di Letterama");
    startPage_ = new QPushButton(this);
    startPage_->setObjectName(QStringLiteral("recordSiteButton"));
    startPage_->setAutoDefault(false);
    const QPixmap logo(files.Resolve(QStringLiteral("letteramalogo.jpg")));
    if (logo.isNull()) {
        startPage_->setText(siteCaption);
    } else {
        startPage_->setIcon(logo);
        startPage_->setIconSize(logo.size().scaled(160, 60, Qt::KeepAspectRatio));
    }
    startPage_->setToolTip(siteCaption);
    startPage_->setAccessibleName(siteCaption);
    connect(startPage_, &QPushButton::clicked, this, &RecordSubmissionPanel::OpenStartPage);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(noteLabel, 0, 0);
    layout->addWidget(note_, 0, 1);
    layout->addWidget(emailLabel, 1, 0);
    layout->addWidget(email_, 1, 1);
    layout->addWidget(submit_, 2, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(startPage_, 0, 2, 3, 1);
    layout->setColumnStretch(1, 1);
    setTabOrder(note_, email_);
    setTabOrder(email_, submit_);
    setTabOrder(submit_, startPage_);

    SetRecordHolder(std::nullopt);
}

void RecordSubmissionPanel::SetRecordHolder(std::optional<int> player)
{
    holder_ = player;
    const bool enabled = holder_.has_value();
    note_->setEnabled(enabled);
    email_->setEnabled(enabled);
    submit_->setEnabled(enabled);
}

QString RecordSubmissionPanel::RecordHolderName() const
{
    return holder_ ? state_.Players[*holder_].Name : QString();
}

void RecordSubmissionPanel::Submit()
{
    if (!holder_)
        return;
    RecordDetails record;
    record.holderName = RecordHolderName();
    // The holder's own total: with two humans at the keyboard the record may not be
    // player 1's.
    record.points = state_.TotalScores[*holder_];
    // The manche counter has already moved past the last manche when a game ends.
    record.manches = std::clamp(state_.MancheNumber, 1, GameRules::kManchesPerGame);
    record.note = note_->text();
    record.email = email_->text();
    record.language = state_.Settings.LexiconLanguage;
    const SiteAddress site = SiteAddress::ForPlayer(state_.Settings.Site);
    if (!site.IsSet()) {
        platform_.dialogs.Inform(SiteAddress::NotSetUpMessage());
        return;
    }
    platform_.shell.Open(BuildRecordAddress(site, record, platform_.clock.Now(), platform_.random));
}

void RecordSubmissionPanel::OpenStartPage()
{
    const SiteAddress site = SiteAddress::ForPlayer(state_.Settings.Site);
    if (site.IsSet())
        platform_.shell.Open(site.Page(SiteAddress::kRecordStartPath));
    else
        platform_.dialogs.Inform(SiteAddress::NotSetUpMessage());
}
