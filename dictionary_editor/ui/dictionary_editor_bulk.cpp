// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's bulk box: Import all with its summary, the import with a question per
// word, the missing-words lists (fetched or local) and the spell check of a line.

#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/ui/bulk_import_panel.h"

#include "dictionary_editor/core/bulk_text.h"
#include "dictionary_editor/core/editor_messages.h"

#include "platform/core/dialogs.h"
#include "platform/core/http_fetcher.h"
#include "platform/core/program_files.h"
#include "platform/core/site_address.h"
#include "platform/core/spell_checker.h"

#include <QPointer>

void DictionaryEditorWindow::ImportAll()
{
    const QString text = bulkPanel_->Text();
    if (Loading() || text.trimmed().isEmpty())
        return;
    lists_.BeginBatch();
    for (const QString& line : BulkText::Lines(text))
        lists_.InsertWord(line);
    lists_.EndBatch();
    UpdateLabels();
    setup_.dialogs.Inform(EditorMessages::BulkSummary(lists_.Counters()));
}

void DictionaryEditorWindow::ImportWithQuestions()
{
    const QString text = bulkPanel_->Text();
    if (Loading() || text.trimmed().isEmpty())
        return;
    lists_.BeginBatch();
    for (const QString& line : BulkText::Lines(text)) {
        const QString word = line.trimmed().toUpper();
        if (word.isEmpty())
            continue;
        const Dialogs::Answer answer = setup_.dialogs.AskYesNoCancel(EditorMessages::InsertQuestion(word));
        if (answer == Dialogs::Answer::Cancel)
            break;
        if (answer == Dialogs::Answer::Yes)
            lists_.InsertWord(word);
    }
    lists_.EndBatch();
    UpdateLabels();
}

void DictionaryEditorWindow::FetchMissingWords()
{
    if (!setup_.site.IsSet()) {
        setup_.dialogs.Inform(SiteAddress::NotSetUpMessage());
        return;
    }
    fetching_ = true;
    bulkPanel_->SetFetchEnabled(false);
    // The window may be closed before the answer comes.
    QPointer<DictionaryEditorWindow> window(this);
    setup_.http.Fetch(setup_.site.Page(SiteAddress::kMissingWordsPath) + QStringLiteral("?Language=%1").arg(TableOf(setup_.language).Number()),
                      [window](std::optional<QByteArray> reply) {
                          if (!window)
                              return;
                          window->fetching_ = false;
                          window->bulkPanel_->SetFetchEnabled(!window->Loading());
                          const std::optional<QString> text =
                              reply ? BulkText::MissingWordsText(*reply) : std::nullopt;
                          if (!text) {
                              window->setup_.dialogs.Inform(EditorMessages::kNotFound);
                              return;
                          }
                          window->bulkPanel_->SetText(*text);
                      });
}

void DictionaryEditorWindow::InsertLocalList()
{
    if (Loading())
        return;
    const ProgramFolder::ReadResult read =
        setup_.files.Read(EditorMessages::kMissingWordsFile, BulkText::kMaxMissingWordsBytes);
    if (read.status == ProgramFolder::ReadStatus::Missing)
        return;
    std::optional<QString> text;
    if (read.Ok())
        text = BulkText::MissingWordsText(read.bytes);
    if (!text) {
        setup_.dialogs.Inform(QStringLiteral("Il file ") + EditorMessages::kMissingWordsFile +
                              QStringLiteral(" non è un elenco di parole leggibile"));
        return;
    }
    // Quietly, without a summary: the count labels show what changed.
    lists_.BeginBatch();
    for (const QString& line : BulkText::Lines(*text))
        lists_.InsertWord(line);
    lists_.EndBatch();
    UpdateLabels();
}

void DictionaryEditorWindow::SpellCheckLine()
{
    const QString text = bulkPanel_->Text();
    if (text.trimmed().isEmpty())
        return;
    const BulkText::Span span = bulkPanel_->CaretLine();
    const QString line = text.mid(span.start, span.length);
    if (line.trimmed().isEmpty())
        return;
    const QString corrected = setup_.spellChecker.SpellCheck(line);
    activateWindow();
    if (corrected == line)
        return;
    bulkPanel_->ReplaceSpan(span, corrected);
}
