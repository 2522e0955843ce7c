#include "harvest.h"
#include "harvest_folders.h"
#include "lexicon_words.h"
#include "lexicon_writer.h"
#include "per_length_files.h"
#include "word_lookup.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// What the dictionary editor does with the word folder: it imports each of the files
// of 3 to 10 letters that exists into its list (which sorts itself without regard to
// case) and rebuilds the lexicon from the lists.
std::shared_ptr<const LexiconWords> ImportAndRebuild(const QString& folder)
{
    std::array<QStringList, kLexiconListCount> lists;
    for (int k = 0; k < kLexiconListCount; ++k) {
        const PerLengthFiles::ReadResult read = PerLengthFiles::Read(folder, k + 3);
        EXPECT_NE(read.status, PerLengthFiles::ReadResult::Status::Unreadable) << read.error.toStdString();
        lists[k] = read.words;
        std::sort(lists[k].begin(), lists[k].end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    }
    const LexiconImage image = ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(1));
    EXPECT_TRUE(image.error.isEmpty()) << image.error.toStdString();
    return LexiconWords::FromFileBytes(image.bytes);
}

struct ValidCase {
    const char* word;
    bool valid;
};

TEST(HarvestImport, EditorImportAndRebuildMakeHarvestedWordsValid)
{
    HarvestFolders folders;
    // As the editor exported them: sorted, capitals, CR LF.
    folders.WriteWords(QStringLiteral("4.TXT"), "CASA\r\nMARE\r\n");
    folders.WriteWords(QStringLiteral("5.TXT"), "GATTO\r\n");
    Harvest harvest(folders.WriteText(QStringLiteral("t.txt"),
                                      "Il gatto sul tetto, la città e il mare\r\nla luna sopra l'orizzonte\r\n"),
                    folders.words.path(), false);
    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished);

    const std::shared_ptr<const LexiconWords> lexicon = ImportAndRebuild(folders.words.path());
    ASSERT_NE(lexicon, nullptr);

    const std::vector<ValidCase> expected{
        {"CASA", true},  {"MARE", true},  {"GATTO", true}, {"SUL", true},         {"TETTO", false},
        {"CITTA", true}, {"LUNA", true},  {"SOPRA", true}, {"ORIZZONTE", false},  {"LA", false},
        {"IL", false},   {"TETTO,", false}};
    Cooperation never;
    for (const ValidCase& row : expected) {
        YieldPacer pacer(never);
        EXPECT_EQ(WordLookup::InLexicon(*lexicon, QString::fromLatin1(row.word), pacer), std::optional(row.valid))
            << row.word;
    }
    // "TETTO," kept its comma and was never harvested; "l'orizzonte" neither; words
    // of 2 letters go to 2.txt, which the editor does not read.
    EXPECT_EQ(lexicon->Count(4), 3);
    EXPECT_EQ(lexicon->Count(5), 3);
}

}  // namespace
