// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/bounded_line_reader.h"

#include <QBuffer>
#include <QByteArrayList>

#include <gtest/gtest.h>

namespace {

constexpr qsizetype kBound = BoundedLineReader::kMaxLineBytes;

struct ReadLines {
    QByteArrayList lines;
    qint64 consumed = 0;
};

ReadLines ReadAll(QByteArray bytes, qint64 limit = -1)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    BoundedLineReader reader(buffer, limit < 0 ? bytes.size() : limit);
    ReadLines read;
    QByteArray line;
    while (reader.Next(&line) == BoundedLineReader::Status::Line && read.lines.size() < 100000)
        read.lines.append(line);
    read.consumed = reader.Consumed();
    return read;
}

struct LineCase {
    const char* name;
    QByteArray bytes;
    QByteArrayList lines;
};

class LineReading : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineReading, SplitsAtEveryLineEndAndConsumesEveryByte)
{
    const ReadLines read = ReadAll(GetParam().bytes);
    ASSERT_EQ(read.lines.size(), GetParam().lines.size());
    for (qsizetype i = 0; i < read.lines.size(); ++i)
        EXPECT_EQ(read.lines[i], GetParam().lines[i]) << "line " << i;
    EXPECT_EQ(read.consumed, GetParam().bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineReading,
    ::testing::Values(
        LineCase{"cr_lf", "uno\r\ndue\r\n", {"uno", "due"}},
        LineCase{"lf_and_cr", "uno\ndue\rtre", {"uno", "due", "tre"}},
        LineCase{"empty_lines", "\r\n\r\nuno\n\n", {"", "", "uno", ""}},
        LineCase{"lf_cr_is_two_ends", "uno\n\rdue", {"uno", "", "due"}},
        LineCase{"nothing", "", {}},
        LineCase{"cr_lf_across_a_block", QByteArray(65535, 'a') + "\r\nb", {QByteArray(65535, 'a'), "b"}},
        LineCase{"line_exactly_at_the_bound", QByteArray(kBound, 'a') + "\n", {QByteArray(kBound, 'a'), ""}},
        LineCase{"long_line_cut_after_a_blank",
                 QByteArray(kBound - 10, 'a') + " casa mare sole",
                 {QByteArray(kBound - 10, 'a') + " casa ", "mare sole"}},
        LineCase{"long_line_without_blanks_cut_at_the_bound", QByteArray(kBound * 2 + 3, 'a'),
                 {QByteArray(kBound, 'a'), QByteArray(kBound, 'a'), "aaa"}},
        LineCase{"utf8_character_kept_whole_at_the_bound", QByteArray(kBound - 1, 'a') + "\xC3\xA0",
                 {QByteArray(kBound - 1, 'a'), "\xC3\xA0"}},
        LineCase{"complete_utf8_character_at_the_bound", QByteArray(kBound - 2, 'a') + "\xC3\xA0" + "b",
                 {QByteArray(kBound - 2, 'a') + "\xC3\xA0", "b"}},
        LineCase{"zero_bytes_are_text", QByteArray("a\0b\nc", 5), {QByteArray("a\0b", 3), "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoundedLineReader, ReadsNoFurtherThanItsLimit)
{
    const ReadLines read = ReadAll("uno\r\ndue\r\ntre\r\n", 7);
    EXPECT_EQ(read.lines, (QByteArrayList{"uno", "du"}));
    EXPECT_EQ(read.consumed, 7);
}

TEST(BoundedLineReader, ReportsADeviceThatCannotBeRead)
{
    QBuffer closed;
    BoundedLineReader reader(closed, 100);
    QByteArray line;
    EXPECT_EQ(reader.Next(&line), BoundedLineReader::Status::Error);
}

}  // namespace
