// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/spell_check_dialog.h"

#include "platform/ui/spelling_pass.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

SpellCheckDialog::SpellCheckDialog(SpellingPass& pass, QWidget* parent) : QDialog(parent), pass_(pass)
{
    setWindowTitle(QStringLiteral("Controllo ortografia"));

    unknownWord_ = new QLineEdit(this);
    unknownWord_->setObjectName(QStringLiteral("unknownWord"));
    unknownWord_->setReadOnly(true);
    auto* unknownLabel = new QLabel(QStringLiteral("Non presente nel dizionario:"), this);
    unknownLabel->setBuddy(unknownWord_);
    unknownWord_->setAccessibleName(QStringLiteral("Non presente nel dizionario"));

    changeTo_ = new QLineEdit(this);
    changeTo_->setObjectName(QStringLiteral("changeTo"));
    auto* changeLabel = new QLabel(QStringLiteral("Ca&mbia in:"), this);
    changeLabel->setBuddy(changeTo_);
    changeTo_->setAccessibleName(QStringLiteral("Cambia in"));

    suggestions_ = new QListWidget(this);
    suggestions_->setObjectName(QStringLiteral("suggestions"));
    auto* suggestionsLabel = new QLabel(QStringLiteral("&Suggerimenti:"), this);
    suggestionsLabel->setBuddy(suggestions_);
    suggestions_->setAccessibleName(QStringLiteral("Suggerimenti"));

    changeButton_ = new QPushButton(QStringLiteral("&Cambia"), this);
    changeButton_->setObjectName(QStringLiteral("change"));
    changeButton_->setDefault(true);
    ignoreButton_ = new QPushButton(QStringLiteral("&Ignora"), this);
    ignoreButton_->setObjectName(QStringLiteral("ignore"));
    ignoreButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(QStringLiteral("Annulla"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(unknownLabel, 0, 0);
    fields->addWidget(unknownWord_, 0, 1);
    fields->addWidget(changeLabel, 1, 0);
    fields->addWidget(changeTo_, 1, 1);
    fields->addWidget(suggestionsLabel, 2, 0, Qt::AlignTop);
    fields->addWidget(suggestions_, 2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(changeButton_);
    buttons->addWidget(ignoreButton_);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);
    connect(suggestions_, &QListWidget::itemDoubleClicked, this, &SpellCheckDialog::Change);
    connect(changeButton_, &QPushButton::clicked, this, &SpellCheckDialog::Change);
    connect(ignoreButton_, &QPushButton::clicked, this, &SpellCheckDialog::Ignore);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    ShowCurrentWord();
}

void SpellCheckDialog::ShowCurrentWord()
{
    const QString word = pass_.CurrentWord();
    unknownWord_->setText(word);
    suggestions_->clear();
    suggestions_->addItems(pass_.Suggestions());
    if (suggestions_->count() > 0) {
        suggestions_->setCurrentRow(0);
        suggestions_->setFocus();
    } else {
        changeTo_->setText(word);
        changeTo_->setFocus();
        changeTo_->selectAll();
    }
}

void SpellCheckDialog::Change()
{
    pass_.Replace(changeTo_->text());
    Advance();
}

void SpellCheckDialog::Ignore()
{
    pass_.Skip();
    Advance();
}

void SpellCheckDialog::Advance()
{
    if (pass_.Next())
        ShowCurrentWord();
    else
        accept();
}
