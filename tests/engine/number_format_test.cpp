#include "engine/date_time.h"
#include "engine/number_format.h"
#include "engine/regional_settings.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
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
    EXPECT_EQ(FormatTenths(0, "."), "0.0");
    EXPECT_EQ(FormatTenths(12345, "."), "1234.5");
    EXPECT_EQ(FormatTenths(-5, "."), "-0.5");
}

TEST(DateTime, PacksDosDatesAndFormatsDatesAndTimes)
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
    EXPECT_EQ(FormatDate({987, 1, 2, 3, 4, 5}), "02.01.0987");
    EXPECT_EQ(FormatTime({2003, 7, 4, 23, 5, 9}, " h "), "23 h 05 h 09");
}

TEST(RegionalSettings, TakesTheTimeSeparatorFromTheFormat)
{
    const std::pair<const char*, const char*> cases[] = {
        {"%H:%M:%S", ":"},
        {"%H.%M.%S", "."},
        {"%r", ":"},
        {"%OH.%OM", "."},
        {"%l h %M", "h"},
        {"%p %I.%M.%S", "."},
        {"", ":"},
        {"%H%M", ":"},
        {"%", ":"},
        {"kl. %H.%M %z", "."},
        {"%H\xE6\x97\xB6%M\xE5\x88\x86%S\xE7\xA7\x92", ":"},   // hour, minute, second words
        {"%H\xEC\x8B\x9C %M\xEB\xB6\x84 %S\xEC\xB4\x88", ":"}, // with spaces
    };
    for (const auto& [format, separator] : cases) {
        EXPECT_EQ(TimeSeparatorOfFormat(format), separator) << format;
    }

    // the C locale gives the defaults
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    const TRegionalSettings settings = TRegionalSettings::FromProcessLocale();
    std::setlocale(LC_ALL, previous.c_str());
    const auto fields = [](const TRegionalSettings& r) {
        return std::tie(r.ThousandSeparator, r.DecimalSeparator, r.TimeSeparator, r.ShortDayNames,
                        r.LongDayNames, r.ShortMonthNames, r.LongMonthNames);
    };
    EXPECT_EQ(fields(settings), fields(TRegionalSettings()));
}

} // namespace
