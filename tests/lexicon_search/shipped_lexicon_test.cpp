// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_scan.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/word_lookup.h"
#include "lexicon/core/word_search.h"

#include <QDir>

#include <gtest/gtest.h>

// The single-query pass of `letterama-dict solve` and `lookup` against the game's
// indexed search and lookup, on the lexicons the game ships with.
namespace {

const QString kProgramFolder = QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder");

struct Draw {
    int language;
    const char* letters;
};

}  // namespace

TEST(ShippedLexicons, SingleQueryPassAnswersAsTheIndexedSearchAndLookup)
{
    const Draw draws[] = {
        {1, "AEIOCSTRLN"}, {1, "EAOURNTSPM"}, {1, "IAEOLCDRGS"}, {1, "AAEEIIOOUU"}, {1, "ZZZTTTRRRA"},
        {1, "CASTELLOAR"}, {1, "ACEGILNORT"}, {1, "AEIOCSTR"},   {1, "QUADERNOS"},
        {2, "AEIOCSTRLN"}, {2, "WYKJXAEIOU"}, {2, "THEQUICKBR"}, {2, "STRANGERS"},
        {3, "AEIOCSTRLN"}, {3, "VIRTUSAEQM"}, {3, "IMPERATORX"}, {3, "CAESARUM"},
    };
    int words = 0;
    for (const Draw& draw : draws) {
        const QString path = QDir(kProgramFolder).filePath(QStringLiteral("SLESSICO.%1").arg(draw.language));
        const std::shared_ptr<const LexiconWords> loaded = LexiconWords::Load(path);
        const LexiconResult<LexiconScan> scan = LexiconScan::Open(path);
        ASSERT_TRUE(loaded) << path.toStdString();
        ASSERT_TRUE(scan) << path.toStdString();
        const QString letters = QString::fromLatin1(draw.letters);
        const int letterCount = static_cast<int>(letters.size());
        SCOPED_TRACE(testing::Message() << "language " << draw.language << ", draw " << draw.letters);

        const QStringList found = WordSearch::FindAll(*loaded, letters, letterCount);
        EXPECT_EQ(scan->FindAll(letters, letterCount), found);
        words += static_cast<int>(found.size());

        // Each word found, and a near miss of it (its last two letters swapped), is
        // known or not alike to both.
        for (const QString& word : found) {
            QString swapped = word;
            std::swap(swapped[word.size() - 1], swapped[word.size() - 2]);
            for (const QString& probe : {word, swapped, word.left(word.size() - 1)})
                ASSERT_EQ(scan->Contains(probe), WordLookup::InLexicon(*loaded, probe)) << probe.toStdString();
        }
    }
    EXPECT_GT(words, 1000) << "the draws should spell words in every lexicon";
}
