// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_file.h"
#include "tests/lexicon/lexicon_test_files.h"
#include "tests/support/temp_program_folder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray ThreeSections()
{
    return HandMadeLexicon()
        .Record(3, "     440", "     449")
        .Record(5, "     449", "     459")
        .Record(7, "     459", "     466")
        .Words("ASIBUEORO" "PASTAMARMO" "SPOSANO")
        .Bytes();
}

std::vector<QByteArray> WordsOf(const LexiconSection& section)
{
    std::vector<QByteArray> words;
    for (std::int32_t i = 0; i < section.Count(); ++i)
        words.push_back(section.Word(i).toByteArray());
    return words;
}

TEST(LexiconFile, ReadsEachWordAndEachSectionWhereTheIndexSays)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), ThreeSections());
    LexiconFile file;
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("slessico.1")))) << "names match without regard to case";
    const LexiconIndex index = file.ReadIndex();

    EXPECT_EQ(file.ReadWord(index, 3, 1), "ASI");
    EXPECT_EQ(file.ReadWord(index, 3, 3), "ORO");
    EXPECT_EQ(file.ReadWord(index, 5, 2), "MARMO");
    EXPECT_EQ(file.ReadWord(index, 7, 1), "SPOSANO");
    EXPECT_EQ(WordsOf(file.ReadSection(index, 3)), (std::vector<QByteArray>{"ASI", "BUE", "ORO"}));
    EXPECT_EQ(WordsOf(file.ReadSection(index, 5)), (std::vector<QByteArray>{"PASTA", "MARMO"}));
    EXPECT_EQ(file.Size(), 465);
}

TEST(LexiconFile, WordsOutsideTheirSectionAreNotThere)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), ThreeSections());
    LexiconFile file;
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.1"))));
    const LexiconIndex index = file.ReadIndex();

    for (const int k : {0, -1, 4, INT32_MAX, INT32_MIN})
        EXPECT_TRUE(file.ReadWord(index, 3, k).isEmpty()) << "k = " << k;
    for (const int length : {0, 2, 16, -3, 1000}) {
        EXPECT_TRUE(file.ReadWord(index, length, 1).isEmpty()) << "length " << length;
        EXPECT_EQ(file.ReadSection(index, length).Count(), 0) << "length " << length;
    }
    EXPECT_EQ(file.ReadSection(index, 4).Count(), 0) << "an all-zero record holds no words";
    EXPECT_TRUE(file.ReadWord(index, 4, 1).isEmpty());
}

TEST(LexiconFile, AnIndexPromisingMoreThanTheFileHoldsYieldsOnlyWholeWords)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.3"), ThreeSections());
    LexiconFile file;
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.3"))));

    // An index from elsewhere (say, loaded before the file was replaced by a shorter
    // one) that claims far more words than the file has.
    LexiconIndex stale;
    stale.SectionStart[7] = 459;
    stale.SectionCount[7] = 1000;
    stale.SectionStart[9] = 5000;
    stale.SectionCount[9] = 3;
    stale.SectionStart[3] = -20;
    stale.SectionCount[3] = 5;

    EXPECT_EQ(WordsOf(file.ReadSection(stale, 7)), std::vector<QByteArray>{"SPOSANO"});
    EXPECT_EQ(file.ReadWord(stale, 7, 1), "SPOSANO");
    EXPECT_TRUE(file.ReadWord(stale, 7, 2).isEmpty());
    EXPECT_EQ(file.ReadSection(stale, 9).Count(), 0);
    EXPECT_TRUE(file.ReadWord(stale, 9, 1).isEmpty());
    EXPECT_EQ(file.ReadSection(stale, 3).Count(), 0) << "a start before the file";
    EXPECT_TRUE(file.ReadWord(stale, 3, 1).isEmpty());
}

TEST(LexiconFile, ATruncatedFileLosesItsCutWordAndNothingMore)
{
    QByteArray bytes = ThreeSections();
    bytes.chop(3);  // "SPOSANO" loses its last letters
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.2"), bytes);
    LexiconFile file;
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.2"))));
    const LexiconIndex index = file.ReadIndex();

    EXPECT_EQ(index.SectionCount[5], 2);
    EXPECT_EQ(index.SectionCount[7], 0);
    EXPECT_EQ(file.ReadSection(index, 7).Count(), 0);
    EXPECT_EQ(file.ReadWord(index, 5, 2), "MARMO");
}

TEST(LexiconFile, AFileThatShrinksWhileOpenIsReadAsItIsNow)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), ThreeSections());
    LexiconFile file;
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.1"))));
    const LexiconIndex index = file.ReadIndex();
    QFile::resize(folder.FilePath(QStringLiteral("SLESSICO.1")), 444);

    EXPECT_EQ(file.ReadWord(index, 3, 1), "ASI");
    EXPECT_TRUE(file.ReadWord(index, 3, 2).isEmpty()) << "the second word is cut short";
    const LexiconSection section = file.ReadSection(index, 3);
    EXPECT_EQ(section.bytes, "ASI") << "only the whole words still in the file";
    EXPECT_TRUE(file.ReadWord(index, 7, 1).isEmpty());
}

TEST(LexiconFile, MissingOrClosedFilesReadNothing)
{
    TempProgramFolder folder;
    LexiconFile file;
    EXPECT_FALSE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.1"))));
    EXPECT_FALSE(file.IsOpen());
    LexiconIndex index;
    index.SectionStart[3] = 440;
    index.SectionCount[3] = 2;
    EXPECT_TRUE(file.ReadWord(index, 3, 1).isEmpty());
    EXPECT_EQ(file.ReadSection(index, 3).Count(), 0);
    EXPECT_EQ(file.ReadIndex().WordCount(), 0);

    folder.Write(QStringLiteral("SLESSICO.1"), ThreeSections());
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.1"))));
    file.Close();
    EXPECT_TRUE(file.ReadWord(index, 3, 1).isEmpty());
}

}  // namespace
