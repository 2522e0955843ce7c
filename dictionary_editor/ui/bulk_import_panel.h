// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/bulk_text.h"

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The bulk box, where pasted or downloaded words wait to be imported, with its
// buttons: import them all (also a double-click in the box), import them with a
// question each, check the spelling of a line, fetch the missing-words list from the
// site, and insert the local "mancanti.txt" (a double-click, Space or Enter on its
// picture).
class BulkImportPanel : public QWidget {
    Q_OBJECT
public:
    explicit BulkImportPanel(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    // The line of the box that holds the caret, and where it is.
    BulkText::Span CaretLine() const;
    // Writes `text` over that stretch of the box, and leaves it selected.
    void ReplaceSpan(BulkText::Span span, const QString& text);
    // The fetch waits for a load to end and for an answer to come.
    void SetFetchEnabled(bool enabled);

signals:
    void importAllRequested();
    void importWithQuestionsRequested();
    void spellCheckRequested();
    void fetchMissingWordsRequested();
    void localMissingWordsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* bulkBox_;
    QPushButton* missingButton_;
    QToolButton* missingPicture_;
};
