// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/numeric_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

struct NumericRow {
    const char* text;
    double value;
};

class NumericValueRows : public ::testing::TestWithParam<NumericRow> {};

TEST_P(NumericValueRows, ReadsTheLeadingNumberIgnoringBlanks)
{
    EXPECT_DOUBLE_EQ(NumericValue(QString::fromLatin1(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(ClassicVal, NumericValueRows,
                         ::testing::Values(NumericRow{"2", 2}, NumericRow{" 2", 2}, NumericRow{"\t7", 7},
                                           NumericRow{"1 2", 12}, NumericRow{"1\n0\t1", 101},
                                           NumericRow{"-3", -3}, NumericRow{"+4", 4}, NumericRow{"2.5", 2.5},
                                           NumericRow{".5", 0.5}, NumericRow{"1e3", 1000},
                                           NumericRow{"1D2", 100}, NumericRow{"1e", 1},
                                           NumericRow{"12abc", 12}, NumericRow{"1.2.3", 1.2},
                                           NumericRow{"abc", 0}, NumericRow{"", 0}, NumericRow{"-", 0},
                                           NumericRow{".", 0}, NumericRow{"\r2", 0}, NumericRow{"1e999", 0}));

TEST(NumericValue, IgnoresTheLocaleDecimalSeparator)
{
    // A comma is no decimal point, whatever the user's language.
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("2,5")), 2.0);
}

TEST(NumericValueToSetting, RoundsHalfToEvenAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(NumericValueToSetting(2.5, -1), 2);
    EXPECT_EQ(NumericValueToSetting(3.5, -1), 4);
    EXPECT_EQ(NumericValueToSetting(-2.4, -1), -2);
    EXPECT_EQ(NumericValueToSetting(32767.0, -1), 32767);
    EXPECT_EQ(NumericValueToSetting(32768.0, -1), -1);
    EXPECT_EQ(NumericValueToSetting(-40000.0, -1), -1);
    EXPECT_EQ(NumericValueToSetting(std::numeric_limits<double>::quiet_NaN(), -1), -1);
    EXPECT_EQ(NumericValueToSetting(std::numeric_limits<double>::infinity(), -1), -1);
}
