#include "engine/number_format.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(NumberFormat, GroupsThousands)
{
    EXPECT_EQ(FormatGrouped(0, ","), "0");
    EXPECT_EQ(FormatGrouped(999, ","), "999");
    EXPECT_EQ(FormatGrouped(1000, ","), "1,000");
    EXPECT_EQ(FormatGrouped(3932160, "."), "3.932.160");
    EXPECT_EQ(FormatGrouped(-1234567, ","), "-1,234,567");
    EXPECT_EQ(FormatGrouped(123456, "\xE2\x80\xAF"), "123\xE2\x80\xAF"
                                                     "456");
    EXPECT_EQ(FormatGrouped(std::numeric_limits<std::int64_t>::min(), ""), "-9223372036854775808");
}

struct TQuotientCase
{
    std::int64_t Numerator;
    std::int64_t Denominator;
    std::int64_t Expected;
};

TEST(NumberFormat, RoundsHalvesAwayFromZero)
{
    const TQuotientCase cases[] = {
        {15, 10, 2},   {14, 10, 1}, {25, 10, 3},     {-15, 10, -2},
        {-14, 10, -1}, {0, 7, 0},   {1536, 1024, 2}, {1535, 1024, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundedQuotient(c.Numerator, c.Denominator), c.Expected)
            << c.Numerator << " / " << c.Denominator;
    }
}

TEST(NumberFormat, FormatsTenthsDatesAndTimes)
{
    EXPECT_EQ(FormatTenths(0, "."), "0.0");
    EXPECT_EQ(FormatTenths(38, ","), "3,8");
    EXPECT_EQ(FormatTenths(12345, "."), "1234.5");
    EXPECT_EQ(FormatTenths(-5, "."), "-0.5");
    EXPECT_EQ(FormatDate({987, 1, 2, 3, 4, 5}), "02.01.0987");
    EXPECT_EQ(FormatTime({2003, 7, 4, 23, 5, 9}, " h "), "23 h 05 h 09");
    EXPECT_EQ(FormatMinutesSeconds({0, 0, 0, 1, 2, 5}, ":"), "02:05");
}

} // namespace
