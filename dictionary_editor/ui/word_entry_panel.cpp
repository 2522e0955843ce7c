// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/word_entry_panel.h"

#include "dictionary_editor/ui/alphabet_validator.h"
#include "dictionary_editor/ui/editor_widgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

WordEntryPanel::WordEntryPanel(const QString& alphabet, QWidget* parent) : QWidget(parent)
{
    addButton_ = EditorWidgets::MakeButton(QStringLiteral("&Aggiungi parola"), "addWord", this);
    wordBox_ = new QLineEdit(this);
    wordBox_->setObjectName(QStringLiteral("wordBox"));
    wordBox_->setAccessibleName(QStringLiteral("Nuova parola"));
    wordBox_->setValidator(new AlphabetValidator(alphabet, wordBox_));
    wordBox_->hide();
    insertButton_ = EditorWidgets::MakeButton(QStringLiteral("&Inserisci"), "insertWord", this);
    insertButton_->setToolTip(QStringLiteral("Conferma inserimento"));
    insertButton_->hide();
    deleteButton_ = EditorWidgets::MakeButton(QStringLiteral("&Cancella parola"), "deleteWord", this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : {static_cast<QWidget*>(addButton_), static_cast<QWidget*>(wordBox_),
                            static_cast<QWidget*>(insertButton_), static_cast<QWidget*>(deleteButton_)})
        column->addWidget(widget);

    connect(addButton_, &QPushButton::clicked, this, &WordEntryPanel::OpenWordBox);
    connect(insertButton_, &QPushButton::clicked, this, [this] { emit wordEntered(wordBox_->text()); });
    connect(wordBox_, &QLineEdit::returnPressed, this, [this] { emit wordEntered(wordBox_->text()); });
    connect(deleteButton_, &QPushButton::clicked, this, &WordEntryPanel::deleteRequested);
}

void WordEntryPanel::SetActionsEnabled(bool enabled)
{
    addButton_->setEnabled(enabled);
    deleteButton_->setEnabled(enabled);
}

void WordEntryPanel::CloseWordBox()
{
    wordBox_->hide();
    insertButton_->hide();
}

void WordEntryPanel::ReadyForNextWord(bool emptyBox)
{
    if (emptyBox)
        wordBox_->clear();
    if (!wordBox_->isHidden()) {
        wordBox_->selectAll();
        wordBox_->setFocus();
    }
}

void WordEntryPanel::OpenWordBox()
{
    wordBox_->clear();
    wordBox_->show();
    insertButton_->show();
    wordBox_->setFocus();
}
