// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_index.h"
#include "tests/lexicon/lexicon_test_files.h"
#include "tests/support/temp_program_folder.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* name;
    const char field[9];
    std::int32_t value;
};

class IndexField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(IndexField, ReadsTheLeadingDecimalNumber)
{
    EXPECT_EQ(ParseIndexField(GetParam().field, 8), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, IndexField,
    ::testing::Values(FieldCase{"as_the_rebuild_writes", "     440", 440},
                      FieldCase{"left_aligned_with_trailing_blanks", "440     ", 440},
                      FieldCase{"eight_digits", "12345678", 12345678},
                      FieldCase{"all_nines", "99999999", 99999999},
                      FieldCase{"zero_bytes", {0, 0, 0, 0, 0, 0, 0, 0}, 0},
                      FieldCase{"all_blanks", "        ", 0},
                      FieldCase{"digits_stop_at_garbage", "  12x456", 12},
                      FieldCase{"digits_stop_at_zero_byte", {' ', '7', '7', 0, '9', '9', '9', '9'}, 77},
                      FieldCase{"garbage_before_digits", "xx   440", 0},
                      FieldCase{"minus_sign_is_no_digit", "    -440", 0},
                      FieldCase{"plus_sign_is_no_digit", "    +440", 0},
                      FieldCase{"leading_tab_is_no_blank", "\t    440", 0},
                      FieldCase{"high_bytes", "\xff\xfe\xfd\xfc\xfb\xfa\xf9\xf8", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IndexField, NeverOverflowsWhenGivenMoreThanEightDigits)
{
    EXPECT_EQ(ParseIndexField("99999999999999999999", 20), INT32_MAX);
}

// One corrupt or unusual index per row; the file has the given word area after the
// header. Counts must never promise a word that is not wholly inside the file.
struct IndexCase {
    const char* name;
    HandMadeLexicon file;
    int length;
    std::int32_t start;
    std::int32_t count;
};

class CorruptIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(CorruptIndex, CountsStayInsideTheFile)
{
    const IndexCase& row = GetParam();
    const QByteArray bytes = row.file.Bytes();
    const LexiconIndex index = LexiconIndex::Parse(bytes, bytes.size());
    EXPECT_EQ(index.SectionStart[row.length], row.start);
    EXPECT_EQ(index.SectionCount[row.length], row.count);
    for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n) {
        ASSERT_GE(index.SectionCount[n], 0) << "length " << n;
        if (index.SectionCount[n] > 0) {
            EXPECT_GE(index.WordOffset(n, 1), 0) << "length " << n;
            EXPECT_LE(index.WordOffset(n, index.SectionCount[n]) + n, bytes.size()) << "length " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CorruptIndex,
    ::testing::Values(
        IndexCase{"sound_section", HandMadeLexicon().Record(5, "     440", "     450").Words("CASAMMARE"
                                                                                             "X"),
                  5, 440, 2},
        IndexCase{"end_not_a_multiple_truncates", HandMadeLexicon().Record(4, "     440", "     450").Words("CASAMAREXY"),
                  4, 440, 2},
        IndexCase{"start_past_the_end", HandMadeLexicon().Record(3, "  100000", "  100030").Words("ABC"), 3,
                  100000, 0},
        IndexCase{"start_on_the_header", HandMadeLexicon().Record(3, "       1", "      31"), 3, 1, 10},
        IndexCase{"start_zero_end_large", HandMadeLexicon().Record(3, "       0", "     300").Words("ABCDEF"), 3, 0,
                  0},
        IndexCase{"end_past_the_end", HandMadeLexicon().Record(3, "     440", "99999999").Words("ABCDEFGH"), 3,
                  440, 2},
        IndexCase{"end_before_start", HandMadeLexicon().Record(6, "     500", "     440").Words(QByteArray(100, 'A')),
                  6, 500, 0},
        IndexCase{"fields_full_of_digits", HandMadeLexicon().Record(7, "99999999", "99999999"), 7, 99999999, 0},
        IndexCase{"garbage_digits", HandMadeLexicon().Record(8, "4x4x4x4x", "9y9y9y9y").Words("ABCDEFGH"), 8, 4,
                  0},
        IndexCase{"all_zero_record", HandMadeLexicon().Words("ABCDEF"), 3, 0, 0},
        IndexCase{"last_length_fifteen", HandMadeLexicon().Record(15, "     440", "     470").Words(QByteArray(45, 'Q')),
                  15, 440, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LexiconIndex, FileShorterThanItsIndexReadsMissingBytesAsZero)
{
    QByteArray bytes = HandMadeLexicon().Record(3, "     440", "     446").Record(9, "     446", "     464").Bytes();
    bytes.truncate(200 + 16 * 2 + 4);  // cut inside the record of length 5

    const LexiconIndex index = LexiconIndex::Parse(bytes, bytes.size());

    EXPECT_EQ(index.SectionStart[3], 440);
    EXPECT_EQ(index.SectionCount[3], 0) << "the words of length 3 are not in the file";
    EXPECT_EQ(index.SectionStart[9], 0);
    EXPECT_EQ(index.WordCount(), 0);
}

TEST(LexiconIndex, LoadReadsTheFileAndAMissingFileIsNothing)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), HandMadeLexicon()
                                                   .Record(3, "     440", "     446")
                                                   .Record(4, "     446", "     454")
                                                   .Words("ASIAREALIMALE")
                                                   .Bytes());

    const std::optional<LexiconIndex> index = LexiconIndex::Load(folder.FilePath(QStringLiteral("SLESSICO.1")));
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->SectionCount[3], 2);
    EXPECT_EQ(index->SectionStart[4], 446);
    EXPECT_EQ(index->SectionCount[4], 1) << "the file ends inside the second word of length 4";
    EXPECT_EQ(index->WordOffset(4, 1), 445);

    EXPECT_FALSE(LexiconIndex::Load(folder.FilePath(QStringLiteral("SLESSICO.2"))).has_value());
}

}  // namespace
