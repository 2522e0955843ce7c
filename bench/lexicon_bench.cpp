// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/language.h"
#include "lexicon/core/lexicon_file.h"
#include "lexicon/core/lexicon_index.h"
#include "lexicon/core/lexicon_writer.h"
#include "lexicon/core/word_list_builder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Loading a lexicon's index, reading its words, and building the Italian lexicon
// from a word list, all on the shipped SLESSICO.1.
namespace {

const QString kShippedItalian = QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder/SLESSICO.1");

// The shipped Italian lexicon turned back into a plain lower-case word list with
// LF ends, the kind of input `letterama-dict build` reads.
const QByteArray& ItalianWordList()
{
    static const QByteArray list = [] {
        QByteArray text;
        LexiconFile file;
        if (!file.Open(kShippedItalian))
            return text;
        const LexiconIndex index = file.ReadIndex();
        for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n) {
            const LexiconSection section = file.ReadSection(index, n);
            for (std::int32_t i = 0; i < section.Count(); ++i)
                text.append(section.Word(i).toByteArray().toLower()).append('\n');
        }
        return text;
    }();
    return list;
}

void BM_LoadIndex(benchmark::State& state)
{
    for (auto _ : state) {
        std::optional<LexiconIndex> index = LexiconIndex::Load(kShippedItalian);
        if (!index) {
            state.SkipWithError("SLESSICO.1 is not in assets/program_folder");
            return;
        }
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMicrosecond);

void BM_ReadEverySection(benchmark::State& state)
{
    std::int64_t words = 0;
    for (auto _ : state) {
        LexiconFile file;
        if (!file.Open(kShippedItalian)) {
            state.SkipWithError("SLESSICO.1 is not in assets/program_folder");
            return;
        }
        const LexiconIndex index = file.ReadIndex();
        words = 0;
        for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n)
            words += file.ReadSection(index, n).Count();
    }
    state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_ReadEverySection)->Unit(benchmark::kMillisecond);

void BM_BuildItalianLexicon(benchmark::State& state)
{
    const QByteArray& list = ItalianWordList();
    if (list.isEmpty()) {
        state.SkipWithError("SLESSICO.1 is not in assets/program_folder");
        return;
    }
    qsizetype written = 0;
    for (auto _ : state) {
        WordListBuilder builder(TableOf(Language::Italian).Alphabet);
        builder.AddList(list);
        const LexiconImage image = ComposeLexicon(builder.Finish(), LexiconBanner(Language::Italian));
        written = image.totalWritten;
        benchmark::DoNotOptimize(image.bytes.data());
    }
    state.counters["words"] = static_cast<double>(written);
    state.SetBytesProcessed(state.iterations() * list.size());
}
BENCHMARK(BM_BuildItalianLexicon)->Unit(benchmark::kMillisecond);

// The same from a file on disk to a file on disk, as the command does.
void BM_BuildItalianLexiconFileToFile(benchmark::State& state)
{
    const QByteArray& list = ItalianWordList();
    QTemporaryDir folder;
    const QString listPath = QDir(folder.path()).filePath(QStringLiteral("italiano.txt"));
    const QString lexiconPath = QDir(folder.path()).filePath(QStringLiteral("SLESSICO.1"));
    QFile listFile(listPath);
    if (list.isEmpty() || !listFile.open(QIODevice::WriteOnly) || listFile.write(list) != list.size()) {
        state.SkipWithError("cannot write the word list");
        return;
    }
    listFile.close();
    for (auto _ : state) {
        QFile input(listPath);
        input.open(QIODevice::ReadOnly);
        WordListBuilder builder(TableOf(Language::Italian).Alphabet);
        builder.AddList(input.readAll());
        if (!WriteLexiconFile(lexiconPath, ComposeLexicon(builder.Finish(), LexiconBanner(Language::Italian)))) {
            state.SkipWithError("cannot write the lexicon");
            return;
        }
    }
}
BENCHMARK(BM_BuildItalianLexiconFileToFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
