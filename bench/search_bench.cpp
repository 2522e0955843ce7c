// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the computer search and the word lookup on the full Italian lexicon, and
// the time and memory it takes to index it when it is loaded.
//
// Goals on the development machine: a 10-letter search under 2 ms, a lookup under
// 100 us (both run in one go on the window's thread), the index built well under
// 150 ms and kept under 64 MB. The single-query pass of letterama-dict is measured
// beside them, file opening included.
// The lexicon is the game's own, assets/program_folder/SLESSICO.1.

#include "model/language.h"
#include "lexicon/core/lexicon_scan.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/word_lookup.h"
#include "lexicon/core/word_search.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

struct Lexicon {
    QByteArray bytes;
    std::shared_ptr<const LexiconWords> words;
};

const Lexicon& ItalianLexicon()
{
    static const Lexicon lexicon = [] {
        Lexicon loaded;
        QFile file(QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder/SLESSICO.1"));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "search_bench: %s is missing\n", qPrintable(file.fileName()));
            std::exit(1);
        }
        loaded.bytes = file.readAll();
        loaded.words = LexiconWords::FromFileBytes(loaded.bytes);
        loaded.words->Anagrams();  // built before any timing
        return loaded;
    }();
    return lexicon;
}

// Draws as the game makes them: about as many vowels as consonants.
std::vector<QString> Draws(int count, int letters)
{
    const LanguageTable& italian = TableOf(Language::Italian);
    std::mt19937 random(99);
    std::vector<QString> draws;
    for (int d = 0; d < count; ++d) {
        QString draw;
        const int vowels = letters / 2 - 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < letters; ++i) {
            const QString& pool = i < vowels ? italian.VowelPool : italian.ConsonantPool;
            draw.append(pool[std::uniform_int_distribution<qsizetype>(0, pool.size() - 1)(random)]);
        }
        draws.push_back(draw);
    }
    return draws;
}

// The program folder of a game: the lexicon file and a small personal vocabulary.
class ProgramFolderScope {
public:
    ProgramFolderScope()
    {
        QFile lexicon(dir_.filePath(QStringLiteral("SLESSICO.1")));
        lexicon.open(QIODevice::WriteOnly);
        lexicon.write(ItalianLexicon().bytes);
        QFile vocabulary(dir_.filePath(QStringLiteral("USERVOCA.1")));
        vocabulary.open(QIODevice::WriteOnly);
        for (int i = 0; i < 40; ++i)
            vocabulary.write("PAROLAMIA" + QByteArray::number(i) + "\r\n");
    }
    const ProgramFiles& Files() const { return files_; }

private:
    QTemporaryDir dir_;
    ProgramFiles files_{dir_.path()};
};

void BM_IndexBuild(benchmark::State& state)
{
    const Lexicon& lexicon = ItalianLexicon();
    for (auto _ : state)
        benchmark::DoNotOptimize(&LexiconWords::FromFileBytes(lexicon.bytes)->Anagrams());
    state.counters["words"] = static_cast<double>(lexicon.words->Index().WordCount());
    state.counters["file_MB"] = static_cast<double>(lexicon.bytes.size()) / (1 << 20);
    state.counters["held_MB"] = static_cast<double>(lexicon.words->MemoryBytes()) / (1 << 20);
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state)
{
    ProgramFolderScope folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(LexiconWords::Load(folder.Files().Resolve(QStringLiteral("SLESSICO.1"))));
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State& state)
{
    const Lexicon& lexicon = ItalianLexicon();
    const int letters = static_cast<int>(state.range(0));
    const std::vector<QString> draws = Draws(200, letters);
    std::size_t next = 0;
    double found = 0;
    for (auto _ : state) {
        const QStringList words = WordSearch::FindAll(*lexicon.words, draws[next++ % draws.size()], letters);
        found += static_cast<double>(words.size());
    }
    state.counters["found_per_search"] = found / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Search)->Arg(8)->Arg(10)->Unit(benchmark::kMicrosecond);

// The whole search of a manche as the game runs it: the file check, the words by
// length, the list lines.
void BM_SearchAsTheGameRunsIt(benchmark::State& state)
{
    ProgramFolderScope folder;
    const LexiconSource source = LexiconSource::ForLanguage(folder.Files(), Language::Italian, ItalianLexicon().words);
    const std::vector<QString> draws = Draws(200, 10);
    std::size_t next = 0;
    for (auto _ : state) {
        const LexiconResult<WordSearch::Found> found = WordSearch::Run(source, draws[next++ % draws.size()], 10);
        QStringList listLines;
        for (const QString& word : found->InOrder())
            listLines.append(FoundWordLine(word));
        benchmark::DoNotOptimize(listLines);
    }
}
BENCHMARK(BM_SearchAsTheGameRunsIt)->Unit(benchmark::kMicrosecond);

// One draw answered as `letterama-dict solve` answers it: the file opened and
// mapped, a pass over the sections of 3 to 10 letters.
void BM_SingleQuerySolve(benchmark::State& state)
{
    ProgramFolderScope folder;
    const std::vector<QString> draws = Draws(200, 10);
    std::size_t next = 0;
    for (auto _ : state) {
        const LexiconResult<LexiconScan> scan = LexiconScan::Open(folder.Files().Resolve(QStringLiteral("SLESSICO.1")));
        benchmark::DoNotOptimize(scan->FindAll(draws[next++ % draws.size()], 10));
    }
}
BENCHMARK(BM_SingleQuerySolve)->Unit(benchmark::kMillisecond);

// Words handed in at the end of a manche: half lexicon words, half not (their last
// two letters swapped), each spelt from its draw; the personal vocabulary is read
// for every one of them, as the results board does.
void BM_Lookup(benchmark::State& state)
{
    ProgramFolderScope folder;
    const Lexicon& lexicon = ItalianLexicon();
    const LexiconSource source = LexiconSource::ForLanguage(folder.Files(), Language::Italian, lexicon.words);
    std::mt19937 random(5);
    std::vector<WordLookup::Query> queries;
    for (int i = 0; i < 256; ++i) {
        const int length = 5 + i % 6;
        const auto k = static_cast<std::int32_t>(random() % static_cast<unsigned>(lexicon.words->Count(length)));
        const std::string_view bytes = lexicon.words->Word(length, k);
        QString word = QString::fromLatin1(bytes.data(), length);
        if (i % 2)
            std::swap(word[length - 1], word[length - 2]);
        queries.push_back({word, QString(), word + QStringLiteral("ABCDE").left(10 - length)});
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const WordLookup::Query& query = queries[next++ % queries.size()];
        benchmark::DoNotOptimize(*WordLookup::Judge(source, folder.Files().Resolve(QStringLiteral("USERVOCA.1")), query));
    }
}
BENCHMARK(BM_Lookup)->Unit(benchmark::kMicrosecond);

// The same words judged as `letterama-dict lookup` judges one: the file opened and
// mapped, the section of the word's length scanned.
void BM_SingleQueryLookup(benchmark::State& state)
{
    ProgramFolderScope folder;
    const Lexicon& lexicon = ItalianLexicon();
    std::mt19937 random(5);
    std::vector<WordLookup::Query> queries;
    for (int i = 0; i < 256; ++i) {
        const int length = 5 + i % 6;
        const auto k = static_cast<std::int32_t>(random() % static_cast<unsigned>(lexicon.words->Count(length)));
        const QString word = QString::fromLatin1(lexicon.words->Word(length, k).data(), length);
        queries.push_back({word, QString(), word});
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const WordLookup::Query& query = queries[next++ % queries.size()];
        const LexiconResult<LexiconScan> scan = LexiconScan::Open(folder.Files().Resolve(QStringLiteral("SLESSICO.1")));
        benchmark::DoNotOptimize(WordLookup::JudgeWith([&](const QString& w) { return scan->Contains(w); },
                                                       folder.Files().Resolve(QStringLiteral("USERVOCA.1")), query));
    }
}
BENCHMARK(BM_SingleQueryLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
