#include "engine/number_format.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(NumberFormat, GroupsAndRoundsAtTheBoundaries)
{
    EXPECT_EQ(FormatGrouped(0, ","), "0");
    EXPECT_EQ(FormatGrouped(999, ","), "999");
    EXPECT_EQ(FormatGrouped(1000, "\xE2\x80\xAF"), "1\xE2\x80\xAF"
                                                   "000");
    EXPECT_EQ(FormatGrouped(-1234567, ","), "-1,234,567");

    const std::tuple<std::int64_t, std::int64_t, std::int64_t> cases[] = {
        {14, 10, 1}, {15, 10, 2}, {-14, 10, -1}, {-15, 10, -2}, {0, 7, 0}, {1535, 1024, 1},
    };
    for (const auto& [numerator, denominator, expected] : cases) {
        EXPECT_EQ(RoundedQuotient(numerator, denominator), expected)
            << numerator << " / " << denominator;
    }
}

TEST(NumberFormat, FormatsTenthsDatesAndTimes)
{
    EXPECT_EQ(FormatTenths(0, "."), "0.0");
    EXPECT_EQ(FormatTenths(12345, "."), "1234.5");
    EXPECT_EQ(FormatTenths(-5, "."), "-0.5");
    EXPECT_EQ(FormatDate({987, 1, 2, 3, 4, 5}), "02.01.0987");
    EXPECT_EQ(FormatTime({2003, 7, 4, 23, 5, 9}, " h "), "23 h 05 h 09");
}

} // namespace
