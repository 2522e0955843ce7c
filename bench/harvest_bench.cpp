// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of Gleaner's harvest: a 10 MB Italian-looking text harvested into word files
// that already hold the whole Italian lexicon (lengths 3 to 15 of the game's own
// assets/program_folder/SLESSICO.1). Goal: under 3 s, aim under 1 s. Most words of
// the text are known, a few thousand new ones are appended, so the time is the
// reading, cutting, testing and looking up of some 1.7 million tokens.

#include "gleaner/core/harvest.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/per_length_files.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr qsizetype kTextBytes = 10 * 1024 * 1024;

std::shared_ptr<const LexiconWords> ItalianWords()
{
    static const std::shared_ptr<const LexiconWords> words = [] {
        auto loaded = LexiconWords::Load(QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder/SLESSICO.1"));
        if (!loaded) {
            std::fprintf(stderr, "harvest_bench: SLESSICO.1 is missing from assets/program_folder\n");
            std::exit(1);
        }
        return loaded;
    }();
    return words;
}

// The lexicon as word files: N.txt holds every word of N letters, one per CR LF line.
void WriteLexiconFiles(const QString& folder)
{
    const LexiconWords& words = *ItalianWords();
    for (int length = LexiconIndex::kMinLength; length <= LexiconIndex::kMaxLength; ++length) {
        QByteArray bytes;
        for (std::int32_t k = 0; k < words.Count(length); ++k)
            bytes.append(words.Word(length, k).data(), length).append("\r\n");
        QFile file(QDir(folder).filePath(PerLengthFiles::AppendFileName(length)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "harvest_bench: cannot write %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
    }
}

// Lexicon words in lower case, now and then capitalised, accented, followed by a
// comma or a full stop, or replaced by a made-up word (one of a few thousand), with
// a line end every dozen words or so.
QByteArray ItalianLikeText()
{
    const LexiconWords& words = *ItalianWords();
    std::vector<std::pair<int, std::int32_t>> pool;
    for (int length = 3; length <= 12; ++length) {
        for (std::int32_t k = 0; k < words.Count(length); k += 7)
            pool.emplace_back(length, k);
    }
    std::mt19937 random(20261209);
    QByteArray text;
    text.reserve(kTextBytes + 64);
    int onLine = 0;
    while (text.size() < kTextBytes) {
        const auto [length, k] = pool[random() % pool.size()];
        QByteArray word = QByteArray(words.Word(length, k).data(), length).toLower();
        const unsigned roll = random() % 100;
        if (roll < 3)
            word = "parolanuova" + QByteArray::number(random() % 4000).replace('0', 'a').replace('1', 'e')
                       .replace('2', 'i').replace('3', 'o').replace('4', 'u').replace('5', 'b').replace('6', 'c')
                       .replace('7', 'd').replace('8', 'f').replace('9', 'g').left(15);
        else if (roll < 8)
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        else if (roll < 10 && word.endsWith('a'))
            word = word.chopped(1) + "\xC3\xA0";  // città
        text.append(word);
        if (roll % 11 == 0)
            text.append(',');
        if (++onLine >= 12) {
            text.append(".\r\n");
            onLine = 0;
        } else {
            text.append(' ');
        }
    }
    return text;
}

void BM_HarvestTenMegabytesAgainstTheLexicon(benchmark::State& state)
{
    QTemporaryDir texts;
    const QString textPath = QDir(texts.path()).filePath(QStringLiteral("testo.txt"));
    {
        QFile file(textPath);
        const QByteArray text = ItalianLikeText();
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            state.SkipWithError("cannot write the text");
            return;
        }
    }
    HarvestCounts counts;
    for (auto _ : state) {
        state.PauseTiming();
        auto words = std::make_unique<QTemporaryDir>();
        WriteLexiconFiles(words->path());
        state.ResumeTiming();

        Harvest harvest(textPath, ProgramFiles(words->path()), false);
        if (harvest.RunToEnd() != Harvest::State::Finished) {
            state.SkipWithError(qPrintable(harvest.Error()));
            return;
        }
        counts = harvest.Counts();

        state.PauseTiming();
        words.reset();
        state.ResumeTiming();
    }
    state.counters["tokens"] = static_cast<double>(counts.tokens);
    state.counters["appended"] = static_cast<double>(counts.appended);
    state.counters["known"] = static_cast<double>(counts.known);
    state.SetBytesProcessed(state.iterations() * kTextBytes);
}
BENCHMARK(BM_HarvestTenMegabytesAgainstTheLexicon)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
