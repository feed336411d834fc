#include "engine/date_time.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTime, PacksDosDatesAndKnowsTheWeekday)
{
    const TDateTime time{2004, 7, 15, 13, 45, 58};
    const std::int32_t packed = PackDosDateTime(time);
    // 2004-1980 = 24 -> bits 25-31; July -> 21-24; 15 -> 16-20; 13:45:58 -> 13, 45, 29
    EXPECT_EQ(packed, (24 << 25) | (7 << 21) | (15 << 16) | (13 << 11) | (45 << 5) | 29);
    EXPECT_EQ(UnpackDosDateTime(packed), time);
    // the years the DOS format can hold
    EXPECT_EQ(PackDosDateTime({1979, 12, 31, 23, 59, 59}), -1);
    EXPECT_NE(PackDosDateTime({1980, 1, 1, 0, 0, 0}), -1);
    EXPECT_NE(PackDosDateTime({2107, 12, 31, 23, 59, 58}), -1);
    EXPECT_EQ(PackDosDateTime({2108, 1, 1, 0, 0, 0}), -1);
    EXPECT_FALSE(UnpackDosDateTime(-1).has_value());

    EXPECT_EQ((TDateTime{2026, 12, 6}.DayOfWeek()), 0); // a Sunday
    EXPECT_EQ((TDateTime{2000, 2, 29}.DayOfWeek()), 2); // a Tuesday in a leap year
}

} // namespace
