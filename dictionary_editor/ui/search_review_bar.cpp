// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/search_review_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

SearchReviewBar::SearchReviewBar(QWidget* parent) : QWidget(parent)
{
    auto* searchCaption = new QLabel(QStringLiteral("Cer&ca parola:"), this);
    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(QStringLiteral("searchBox"));
    searchBox_->setToolTip(QStringLiteral("Scrivere una parola o il suo inizio; Invio passa alla seguente"));
    searchBox_->setClearButtonEnabled(true);
    searchCaption->setBuddy(searchBox_);
    reviewBox_ = new QCheckBox(QStringLiteral("Mostra solo le &novità"), this);
    reviewBox_->setObjectName(QStringLiteral("reviewChanges"));
    reviewBox_->setToolTip(QStringLiteral(
        "Mostra solo le parole che la prossima ricostruzione aggiunge (+) o toglie (-) dal dizionario"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(searchCaption);
    row->addWidget(searchBox_, 1);
    row->addSpacing(20);
    row->addWidget(reviewBox_);
    row->addStretch(1);

    connect(searchBox_, &QLineEdit::textEdited, this, [this] { Search(false); });
    connect(searchBox_, &QLineEdit::returnPressed, this, [this] { Search(true); });
    connect(reviewBox_, &QCheckBox::toggled, this, &SearchReviewBar::reviewToggled);
}

bool SearchReviewBar::Reviewing() const
{
    return reviewBox_->isChecked();
}

void SearchReviewBar::SetReviewing(bool on)
{
    reviewBox_->setChecked(on);
}

void SearchReviewBar::Search(bool next)
{
    ordinal_ = next ? ordinal_ + 1 : 0;
    emit searchRequested(searchBox_->text(), ordinal_);
}
