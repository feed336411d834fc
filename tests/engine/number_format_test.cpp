#include "engine/number_format.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberFormat, GroupsAndRoundsAtTheBoundaries)
{
    EXPECT_EQ(FormatGrouped(0, ","), "0");
    EXPECT_EQ(FormatGrouped(999, ","), "999");
    EXPECT_EQ(FormatGrouped(1000, "\xE2\x80\xAF"), "1\xE2\x80\xAF"
                                                   "000");
    EXPECT_EQ(FormatGrouped(-1234567, ","), "-1,234,567");

    const struct
    {
        std::int64_t Numerator;
        std::int64_t Denominator;
        std::int64_t Expected;
    } cases[] = {
        {14, 10, 1}, {15, 10, 2}, {-14, 10, -1}, {-15, 10, -2}, {0, 7, 0}, {1535, 1024, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundedQuotient(c.Numerator, c.Denominator), c.Expected)
            << c.Numerator << " / " << c.Denominator;
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
