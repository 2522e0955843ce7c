// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/announcement.h"

#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

// "W1" ... "Wn", so that a picked word tells its entry.
QStringList Words(int n)
{
    QStringList words;
    for (int i = 1; i <= n; ++i)
        words.append(QStringLiteral("W") + QString::number(i));
    return words;
}

// Numbers across [0, 1): a fixed random sample, the edges, and each boundary k/n
// approached from both sides, where Int(r * n) changes.
std::vector<double> SampleNumbers(int n)
{
    std::mt19937 engine(n);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<double> numbers{0.0, kJustBelowOne, 1.0 - 1e-12, 0.999999};
    for (int i = 0; i < 200; ++i)
        numbers.push_back(uniform(engine));
    for (int k = 1; k < n; ++k) {
        const double edge = static_cast<double>(k) / n;
        numbers.push_back(std::nextafter(edge, 0.0));
        numbers.push_back(edge);
    }
    return numbers;
}

struct Row {
    const char* name;
    int level;
    int foundCount;
    QString drawn;
    std::vector<double> numbers;
    QString expected;
    int draws;
};

}  // namespace

TEST(Announcement, PicksByLevelFromTheScriptedNumbers)
{
    const QString ten = QStringLiteral("ABCDEFGHIJ");
    const std::vector<Row> rows{
        {"beginner heads, slice from position 1", 1, 5, ten, {0.2, 0.0}, "ABC", 2},
        {"beginner heads, 3.5 rounds to 4", 1, 5, ten, {0.2, 0.5}, "DEF", 2},
        {"beginner heads, last start is 6", 1, 5, ten, {0.2, kJustBelowOne}, "FGH", 2},
        {"beginner slice past the end is shorter", 1, 5, "ABCDEFG", {0.2, kJustBelowOne}, "FG", 2},
        {"beginner tails, uniform entry", 1, 5, ten, {0.5, 0.65}, "W4", 2},
        {"medium, first entry", 2, 5, ten, {0.0}, "W1", 1},
        {"medium, last entry", 2, 5, ten, {kJustBelowOne}, "W5", 1},
        {"expert heads, next-to-last", 3, 5, ten, {0.4}, "W4", 1},
        {"expert tails, start of later half", 3, 5, ten, {0.5, 0.0}, "W3", 2},
        {"expert tails, end of later half", 3, 6, ten, {0.5, kJustBelowOne}, "W6", 2},
        {"expert heads with one word", 3, 1, ten, {0.0, 0.3}, "W1", 2},
        {"expert heads with two words", 3, 2, ten, {0.0}, "W1", 1},
        {"unknown level picks as medium", 7, 5, ten, {0.3}, "W2", 1},
        {"no words: beginner", 1, 0, ten, {}, "", 0},
        {"no words: medium", 2, 0, ten, {}, "", 0},
        {"no words: expert", 3, 0, ten, {}, "", 0},
    };
    for (const Row& row : rows) {
        FakeRandom random;
        random.values.assign(row.numbers.begin(), row.numbers.end());
        random.fallback = 0.5;
        EXPECT_EQ(Announcement::ChooseWord(row.level, Words(row.foundCount), row.drawn, random), row.expected)
            << row.name;
        EXPECT_EQ(random.draws, row.draws) << row.name;
    }
}

TEST(Announcement, RoundsHalvesToEven)
{
    const std::vector<std::pair<double, int>> rows{{1.0, 1}, {1.49, 1}, {1.5, 2}, {2.5, 2}, {2.51, 3},
                                                   {3.5, 4}, {4.5, 4}, {5.5, 6}, {5.99, 6}};
    for (const auto& [x, rounded] : rows)
        EXPECT_EQ(Announcement::RoundHalfEven(x), rounded) << x;
}

TEST(Announcement, PicksStayOnTheListAndTheUniformOneReachesEveryEntry)
{
    for (int n = 1; n <= 50; ++n) {
        const QStringList words = Words(n);
        std::vector<int> uniformHits(n + 1, 0);
        for (const double r : SampleNumbers(n)) {
            FakeRandom random;
            random.values = {0.75, r};  // expert tails: the later-half pick
            const int entry = Announcement::ChooseWord(Announcement::kExpert, words, {}, random).mid(1).toInt();
            ASSERT_GE(entry, n / 2 + 1) << "n " << n << " r " << r;
            ASSERT_LE(entry, n) << "n " << n << " r " << r;

            random.values = {r};
            const int uniform = Announcement::ChooseWord(Announcement::kMedium, words, {}, random).mid(1).toInt();
            ASSERT_GE(uniform, 1) << "n " << n << " r " << r;
            ASSERT_LE(uniform, n) << "n " << n << " r " << r;
            ++uniformHits[uniform];
        }
        for (int entry = 1; entry <= n; ++entry)
            EXPECT_GT(uniformHits[entry], 0) << "n " << n << " entry " << entry;
        // A broken source that returns 1 itself still stays on the list.
        EXPECT_EQ(Announcement::LaterHalfEntry(n, 1.0), n);
        EXPECT_EQ(Announcement::UniformEntry(n, 1.0), n);
    }
}

TEST(Announcement, BeginnerSliceIsAlwaysThreeLettersInsideTheDraw)
{
    for (const QString& drawn : {QStringLiteral("ABCDEFGH"), QStringLiteral("ABCDEFGHI"), QStringLiteral("ABCDEFGHIJ")}) {
        std::vector<int> starts(7, 0);
        for (const double r : SampleNumbers(10)) {
            FakeRandom random;
            random.values = {0.0, r};  // heads: the slice
            const QString slice = Announcement::ChooseWord(Announcement::kBeginner, Words(3), drawn, random);
            ASSERT_EQ(slice.size(), 3) << drawn.toStdString() << " r " << r;
            const int start = static_cast<int>(drawn.indexOf(slice)) + 1;
            ASSERT_GE(start, 1);
            ASSERT_LE(start, 6);
            ++starts[start];
        }
        for (int start = 1; start <= 6; ++start)
            EXPECT_GT(starts[start], 0) << "start " << start;
    }
}
