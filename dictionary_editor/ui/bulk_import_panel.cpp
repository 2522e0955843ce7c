// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/bulk_import_panel.h"

#include "dictionary_editor/ui/editor_widgets.h"
#include "dictionary_editor/core/editor_messages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

BulkImportPanel::BulkImportPanel(QWidget* parent) : QWidget(parent)
{
    bulkBox_ = new QPlainTextEdit(this);
    bulkBox_->setObjectName(QStringLiteral("bulkBox"));
    bulkBox_->setAccessibleName(QStringLiteral("Parole da importare"));
    bulkBox_->setToolTip(QStringLiteral("Doppio click per importare le parole presenti in questo box"));
    bulkBox_->viewport()->installEventFilter(this);

    auto* importAllButton = EditorWidgets::MakeButton(QStringLiteral("Importa &tutte"), "importAll", this);
    importAllButton->setToolTip(QStringLiteral("Inserirsce tutte le parole presenti in questo box"));
    auto* questionsButton = EditorWidgets::MakeButton(QStringLiteral("Importa con &domande"), "importWithQuestions", this);
    questionsButton->setToolTip(
        QStringLiteral("Per inserire le parole in maniera interattiva presenti in questo box"));
    auto* spellButton = EditorWidgets::MakeButton(QStringLiteral("Controlla con &WinWord"), "spellCheck", this);
    spellButton->setToolTip(QStringLiteral("Selezionare col mouse tutta la parola nel box sopra da controllare"));
    missingPicture_ = new QToolButton(this);
    missingPicture_->setObjectName(QStringLiteral("missingWordsPicture"));
    missingPicture_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    missingPicture_->setIconSize(QSize(32, 32));
    missingPicture_->setAutoRaise(true);
    missingPicture_->setAccessibleName(QStringLiteral("Inserisci le parole del file mancanti.txt"));
    missingPicture_->setToolTip(QStringLiteral("Doppio click per inserire le parole del file mancanti.txt"));
    missingPicture_->installEventFilter(this);
    missingButton_ = EditorWidgets::MakeButton(
        QStringLiteral("Cerca &parole suggerite su Internet nel sito del Letterama"), "missingWords", this);
    // The picture stands left of its button, but Tab reaches the button first.
    QWidget::setTabOrder(missingButton_, missingPicture_);
    auto* internetNote = new QLabel(EditorMessages::kInternetNote, this);
    internetNote->setWordWrap(true);
    // The note has a row of its own, so its wrapped lines never run into the button.
    internetNote->setObjectName(QStringLiteral("internetNote"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(importAllButton);
    buttons->addWidget(questionsButton);
    buttons->addWidget(spellButton);
    buttons->addStretch();
    auto* missingRow = new QHBoxLayout;
    missingRow->addWidget(missingPicture_);
    missingRow->addWidget(missingButton_, 1);
    buttons->addLayout(missingRow);
    buttons->addWidget(internetNote);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bulkBox_, 1);
    row->addLayout(buttons, 1);

    connect(importAllButton, &QPushButton::clicked, this, &BulkImportPanel::importAllRequested);
    connect(questionsButton, &QPushButton::clicked, this, &BulkImportPanel::importWithQuestionsRequested);
    connect(spellButton, &QPushButton::clicked, this, &BulkImportPanel::spellCheckRequested);
    connect(missingButton_, &QPushButton::clicked, this, &BulkImportPanel::fetchMissingWordsRequested);
}

QString BulkImportPanel::Text() const
{
    return bulkBox_->toPlainText();
}

void BulkImportPanel::SetText(const QString& text)
{
    bulkBox_->setPlainText(text);
}

BulkText::Span BulkImportPanel::CaretLine() const
{
    return BulkText::LineAt(bulkBox_->toPlainText(), bulkBox_->textCursor().position());
}

void BulkImportPanel::ReplaceSpan(BulkText::Span span, const QString& text)
{
    QTextCursor cursor(bulkBox_->document());
    cursor.setPosition(int(span.start));
    cursor.setPosition(int(span.start + span.length), QTextCursor::KeepAnchor);
    cursor.insertText(text);
    bulkBox_->setTextCursor(cursor);
}

void BulkImportPanel::SetFetchEnabled(bool enabled)
{
    missingButton_->setEnabled(enabled);
}

bool BulkImportPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bulkBox_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        emit importAllRequested();
        return true;
    }
    if (watched == missingPicture_) {
        const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        const bool keyPressed =
            key && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
        if (event->type() == QEvent::MouseButtonDblClick || keyPressed) {
            emit localMissingWordsRequested();
            return true;
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}
