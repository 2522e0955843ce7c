// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "dictionary_editor/core/editor_word_lists.h"
#include "dictionary_editor/core/lexicon_list_load.h"
#include "dictionary_editor/core/lexicon_changes.h"
#include "dictionary_editor/core/lexicon_rebuild.h"
#include "dictionary_editor/core/word_file_exchange.h"
#include "dictionary_editor/core/editor_word_search.h"

#include "platform/core/dialogs.h"
#include "platform/core/http_fetcher.h"
#include "model/language.h"
#include "platform/core/spell_checker.h"
#include "platform/core/program_files.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The dictionary editor on the whole shipped Italian lexicon (about 450,000 words):
// opening until its buttons are enabled, one insert, the rebuild, export and import,
// the keeper's review of 5,000 new words and the search box.
namespace {

const QString kShippedItalian = QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder/SLESSICO.1");

class QuietDialogs : public Dialogs {
public:
    void Inform(const QString&) override {}
    Answer AskOkCancel(const QString&) override { return Answer::Ok; }
    Answer AskYesNo(const QString&) override { return Answer::Yes; }
    Answer AskYesNoDefaultNo(const QString&) override { return Answer::No; }
    Answer AskYesNoCancel(const QString&) override { return Answer::Yes; }
    std::optional<QString> InputBox(const QString&, const QString&) override { return std::nullopt; }
    void Beep() override {}
    bool ModalOpen() const override { return false; }
};
class NoNetwork : public HttpFetcher {
public:
    void Fetch(const QString&, Done done) override { done(std::nullopt); }
};
class NoSpelling : public SpellChecker {
public:
    QString SpellCheck(const QString& text) override { return text; }
};

// The lists of the shipped lexicon, read once.
const EditorWordLists& ItalianLists()
{
    static EditorWordLists lists = [] {
        EditorWordLists loaded(TableOf(Language::Italian).Alphabet);
        LexiconListLoad(loaded, ReadLexiconFile(kShippedItalian).bytes).RunToEnd();
        return loaded;
    }();
    return lists;
}

EditorWordLists CopyOf(const EditorWordLists& source)
{
    EditorWordLists copy(source.Alphabet());
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        copy.List(k).SetWords(source.List(k).Words(), false);
    return copy;
}

// From the window's creation until its load has ended and its buttons are enabled,
// with the load's pieces running on the event loop's timer as in the game.
void BM_OpenEditorUntilButtonsEnabled(benchmark::State& state)
{
    QuietDialogs dialogs;
    NoNetwork http;
    NoSpelling spelling;
    for (auto _ : state) {
        DictionaryEditorWindow window({Language::Italian, kShippedItalian, ProgramFiles(QDir::tempPath()), dialogs,
                                       http, spelling, {}});
        QSignalSpy finished(&window, &DictionaryEditorWindow::loadFinished);
        window.Open();
        if (!finished.wait(10000) || !window.findChild<QPushButton*>(QStringLiteral("rebuild"))->isEnabled()) {
            state.SkipWithError("the load did not finish");
            return;
        }
        if (window.Lists().TotalWords() < 400'000) {
            state.SkipWithError("SLESSICO.1 is not in assets/program_folder");
            return;
        }
    }
}
BENCHMARK(BM_OpenEditorUntilButtonsEnabled)->Unit(benchmark::kMillisecond);

// One word into the 8-letter list (66,000 words) and out again.
void BM_InsertOneWord(benchmark::State& state)
{
    EditorWordLists lists = CopyOf(ItalianLists());
    for (auto _ : state) {
        const InsertResult result = lists.InsertWord(QStringLiteral("LETTERAM"));
        lists.RemoveWord(result.list, result.row);
    }
}
BENCHMARK(BM_InsertOneWord)->Unit(benchmark::kMicrosecond);

void BM_Rebuild(benchmark::State& state)
{
    const EditorWordLists& lists = ItalianLists();
    QTemporaryDir folder;
    const ProgramFiles files(folder.path());
    const QString name = QStringLiteral("SLESSICO.1");
    for (auto _ : state) {
        if (!RebuildLexicon(lists, Language::Italian, files, name, LexiconFileStamp::Of(files.Resolve(name))).written) {
            state.SkipWithError("the rebuild failed");
            return;
        }
    }
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond);

void BM_ExportThenImport(benchmark::State& state)
{
    EditorWordLists lists = CopyOf(ItalianLists());
    QTemporaryDir folder;
    for (auto _ : state) {
        if (!ExportWordFiles(lists, ProgramFiles(folder.path())).isEmpty()) {
            state.SkipWithError("the export failed");
            return;
        }
        const WordFileImport import = ImportWordFiles(lists, ProgramFiles(folder.path()));
        benchmark::DoNotOptimize(import.linesRead);
    }
}
BENCHMARK(BM_ExportThenImport)->Unit(benchmark::kMillisecond);

// 5,000 words the lexicon lacks, of 5 to 10 letters, as an import of a harvest gives:
// no Italian word begins with "QZ".
QStringList NewWords()
{
    const QString letters = QStringLiteral("ABCDEFGILMNOPRSTUVZ");
    QStringList words;
    for (int i = 0; i < 5000; ++i) {
        QString word = QStringLiteral("QZ");
        for (int n = i, length = 5 + i % 6; word.size() < length; n /= int(letters.size()))
            word.append(letters[n % letters.size()]);
        words.append(word);
    }
    return words;
}

// The window on the Italian lexicon after 5,000 new words came in: the "what is new"
// view switched on (eight merge passes and the views' new models) and off again.
void BM_ReviewAfterImportingFiveThousandWords(benchmark::State& state)
{
    QuietDialogs dialogs;
    NoNetwork http;
    NoSpelling spelling;
    DictionaryEditorWindow window({Language::Italian, kShippedItalian, ProgramFiles(QDir::tempPath()), dialogs, http, spelling, {}});
    window.Open();
    window.FinishLoad();
    if (window.Lists().TotalWords() < 400'000) {
        state.SkipWithError("SLESSICO.1 is not in assets/program_folder");
        return;
    }
    window.Lists().BeginBatch();
    for (const QString& word : NewWords())
        window.Lists().InsertWord(word);
    window.Lists().EndBatch();
    for (auto _ : state) {
        window.SetReviewing(true);
        window.SetReviewing(false);
    }
}
BENCHMARK(BM_ReviewAfterImportingFiveThousandWords)->Unit(benchmark::kMillisecond);

// The changes of the eight lists alone, without the window.
void BM_ChangesOfFiveThousandWords(benchmark::State& state)
{
    EditorWordLists lists = CopyOf(ItalianLists());
    for (const QString& word : NewWords())
        lists.InsertWord(word);
    for (auto _ : state) {
        qsizetype added = 0;
        for (int k = 0; k < EditorWordLists::kListCount; ++k)
            added += ChangesOf(lists.List(k)).added.size();
        benchmark::DoNotOptimize(added);
    }
}
BENCHMARK(BM_ChangesOfFiveThousandWords)->Unit(benchmark::kMillisecond);

// The search box: a whole word, and a two-letter start matching thousands of words.
void BM_SearchAWord(benchmark::State& state)
{
    const EditorWordLists& lists = ItalianLists();
    const QString typed = state.range(0) == 0 ? QStringLiteral("LETTERA") : QStringLiteral("CA");
    for (auto _ : state)
        benchmark::DoNotOptimize(EditorWordSearch::FindMatch(lists, typed, 3));
}
BENCHMARK(BM_SearchAWord)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
