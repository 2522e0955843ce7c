// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_file.h"
#include "lexicon/core/lexicon_writer.h"
#include "tests/support/temp_program_folder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray Banner()
{
    return LexiconBanner(Language::Italian);
}

QByteArray Field(const QByteArray& file, int length, int which)
{
    return file.mid(200 + 16 * (length - 3) + 8 * which, 8);
}

TEST(LexiconWriter, EmptyListsGiveTheBare455ByteFile)
{
    const LexiconImage image = ComposeLexicon(LexiconWordLists{}, Banner());

    ASSERT_TRUE(image.error.isEmpty());
    ASSERT_EQ(image.bytes.size(), 455);
    EXPECT_EQ(image.bytes.left(199), Banner());
    EXPECT_EQ(image.bytes.mid(199), QByteArray(455 - 199, '\0')) << "gap, index, reserved and padding all zero";
    EXPECT_EQ(image.totalWritten, 0);
    EXPECT_EQ(LexiconIndex::Parse(image.bytes, image.bytes.size()).WordCount(), 0);
}

TEST(LexiconWriter, TwoFiveLetterWordsLieFromPosition440)
{
    LexiconWordLists lists;
    lists[2] = {"CASTA", "MARMO"};

    const LexiconImage image = ComposeLexicon(lists, Banner());

    ASSERT_EQ(image.bytes.size(), 455);
    EXPECT_EQ(Field(image.bytes, 5, 0), "     440");
    EXPECT_EQ(Field(image.bytes, 5, 1), "     450");
    EXPECT_EQ(image.bytes.mid(439, 10), "CASTAMARMO");
    EXPECT_EQ(image.bytes.mid(449), QByteArray(6, '\0'));
    for (int n = 3; n <= 15; ++n) {
        if (n != 5) {
            EXPECT_EQ(image.bytes.mid(200 + 16 * (n - 3), 16), QByteArray(16, '\0')) << "length " << n;
        }
    }
    EXPECT_EQ(image.bytes.mid(408, 31), QByteArray(31, '\0'));
    EXPECT_EQ(image.bytes[199], '\0');
}

TEST(LexiconWriter, SectionsFollowEachOtherAndEndWhereTheNextStarts)
{
    LexiconWordLists lists;
    lists[0] = {"ASI", "BUE"};
    lists[4] = {"SPOSANO"};
    lists[7] = {"ABCDEFGHIL", "MAGLIONONE"};

    const LexiconImage image = ComposeLexicon(lists, Banner());

    EXPECT_EQ(Field(image.bytes, 3, 0), "     440");
    EXPECT_EQ(Field(image.bytes, 3, 1), "     446");
    EXPECT_EQ(Field(image.bytes, 7, 0), "     446");
    EXPECT_EQ(Field(image.bytes, 7, 1), "     453");
    EXPECT_EQ(Field(image.bytes, 10, 0), "     453");
    EXPECT_EQ(Field(image.bytes, 10, 1), "     473");
    EXPECT_EQ(image.bytes.size(), 472) << "no padding once the words pass position 455";
    EXPECT_EQ(image.bytes.mid(439), "ASIBUESPOSANOABCDEFGHILMAGLIONONE");
}

TEST(LexiconWriter, EntriesOfAnotherLengthAreSkippedButCounted)
{
    LexiconWordLists lists;
    lists[2] = {"PASTA", "SPOSANO", "", "MARE", "MARMO"};

    const LexiconImage image = ComposeLexicon(lists, Banner());

    EXPECT_EQ(image.listEntries[2], 5) << "the list's own count includes every entry";
    EXPECT_EQ(image.wordsWritten[2], 2);
    EXPECT_EQ(image.totalWritten, 2);
    EXPECT_EQ(image.bytes.mid(439, 10), "PASTAMARMO");
    EXPECT_EQ(Field(image.bytes, 5, 1), "     450");
}

TEST(LexiconWriter, AListOfOnlyWrongLengthsLeavesItsRecordZero)
{
    LexiconWordLists lists;
    lists[1] = {"CASTA", "ASI"};

    const LexiconImage image = ComposeLexicon(lists, Banner());

    EXPECT_EQ(image.bytes.mid(216, 16), QByteArray(16, '\0'));
    EXPECT_EQ(image.bytes.size(), 455);
    EXPECT_EQ(image.listEntries[1], 2);
    EXPECT_EQ(image.wordsWritten[1], 0);
}

TEST(LexiconWriter, BannerIsCutOrPaddedTo199Bytes)
{
    const QByteArray longBanner(300, 'x');
    EXPECT_EQ(ComposeLexicon({}, longBanner).bytes.left(200), QByteArray(199, 'x') + '\0');
    EXPECT_EQ(ComposeLexicon({}, "short").bytes.left(200), QByteArray("short").leftJustified(199, ' ') + '\0');
    for (int language = 1; language <= 3; ++language) {
        const QByteArray banner = LexiconBanner(static_cast<Language>(language));
        EXPECT_EQ(banner.size(), 199);
        EXPECT_NE(banner.trimmed(), QByteArray());
        EXPECT_FALSE(banner.contains('\0'));
    }
}

TEST(LexiconWriter, PositionsPastSevenDigitsGiveUpTheSignBlank)
{
    // 1,000,000 ten-letter words end at position 10,000,440: eight digits.
    LexiconWordLists lists;
    const QByteArray word("ABCDEFGHIL");
    lists[7] = QByteArrayList(1'000'000, word);
    lists[0] = {"ASI"};

    const LexiconImage image = ComposeLexicon(lists, Banner());

    ASSERT_TRUE(image.error.isEmpty());
    EXPECT_EQ(Field(image.bytes, 10, 0), "     443");
    EXPECT_EQ(Field(image.bytes, 10, 1), "10000443");
    const LexiconIndex index = LexiconIndex::Parse(image.bytes, image.bytes.size());
    EXPECT_EQ(index.SectionCount[10], 1'000'000);
}

TEST(LexiconWriter, WhatIsWrittenReadsBackWordForWord)
{
    LexiconWordLists lists;
    lists[0] = {"ASI", "BUE", "ORO"};
    lists[1] = {"CASA"};
    lists[4] = {"ANTENNA", "SPOSANO"};
    lists[5] = {"MAGLIONE"};

    TempProgramFolder folder;
    const LexiconImage image = ComposeLexicon(lists, LexiconBanner(Language::Italian));
    ASSERT_TRUE(WriteLexiconFile(folder.FilePath(QStringLiteral("SLESSICO.1")), image));

    LexiconFile file;
    ASSERT_TRUE(file.Open(folder.FilePath(QStringLiteral("SLESSICO.1"))));
    const LexiconIndex index = file.ReadIndex();
    for (int k = 0; k < kLexiconListCount; ++k) {
        const LexiconSection section = file.ReadSection(index, k + 3);
        QByteArrayList read;
        for (std::int32_t i = 0; i < section.Count(); ++i)
            read.append(section.Word(i).toByteArray());
        EXPECT_EQ(read, lists[k]) << "length " << k + 3;
    }
    EXPECT_EQ(index.SectionCount[11] + index.SectionCount[15], 0);
}

TEST(LexiconWriter, RewritingReplacesTheFileUnderItsOwnNameAndLeavesNothingElse)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("slessico.2"), QByteArray(5000, 'Z'));
    LexiconWordLists lists;
    lists[0] = {"CAT"};

    ASSERT_TRUE(WriteLexiconFile(folder.FilePath(QStringLiteral("SLESSICO.2")), ComposeLexicon(lists, LexiconBanner(Language::English))));

    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("slessico.2")});
    const QByteArray written = folder.Read(QStringLiteral("slessico.2"));
    EXPECT_EQ(written.size(), 455);
    EXPECT_EQ(written.mid(439, 3), "CAT");
}

TEST(LexiconWriter, TextListsAreWrittenOneBytePerLetter)
{
    std::array<QStringList, kLexiconListCount> text;
    text[2] = {QStringLiteral("PASTA"), QStringLiteral("CITT\u00C0")};
    const LexiconWordLists bytes = ToLexiconWordLists(text);
    EXPECT_EQ(bytes[2], (QByteArrayList{"PASTA", "CITT\xC0"}));
    EXPECT_EQ(ComposeLexicon(bytes, Banner()).wordsWritten[2], 2) << "a Latin-1 letter is one byte";
}

}  // namespace
