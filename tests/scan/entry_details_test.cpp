#include "scan/entry_details.h"

#include <gtest/gtest.h>

namespace {

TEST(DetailsEntry, FormatsTheTimeAndJoinsPathSizeAndDate)
{
    const TDateTime time{2024, 3, 7, 9, 5, 4};
    const std::pair<const char*, const char*> cases[] = {
        {"yyyy-mm-dd hh:nn:ss", "2024-03-07 09:05:04"},
        {"d.m.yy h:n:s", "7.3.24 9:5:4"},
        {"DD/MM/YYYY", "07/03/2024"},
        {"\"day\" d", "day 7"},
        {"[yyyy]", "[2024]"},
    };
    for (const auto& [pattern, expected] : cases) {
        EXPECT_EQ(FormatDetailsTime(time, pattern), expected) << pattern;
    }

    // a local time for 2024-03-07 09:05:04, whatever the time zone
    std::tm parts{};
    parts.tm_year = 124, parts.tm_mon = 2, parts.tm_mday = 7;
    parts.tm_hour = 9, parts.tm_min = 5, parts.tm_sec = 4, parts.tm_isdst = -1;
    const auto stamp = static_cast<std::int64_t>(std::mktime(&parts));

    TDetailsFormat format;
    format.Separator = "|";
    EXPECT_EQ(DetailsEntry("/m/a.mp3", 4096, stamp, format), "/m/a.mp3|4096|2024-03-07 09:05:04");

    format.TimeFormat = "dd.mm.yyyy";
    EXPECT_EQ(DetailsEntry("/m/a.mp3", 0, stamp, format), "/m/a.mp3|0|07.03.2024");

    format.TypeOfDate = _DateType::dtDosTime;
    const auto packed = PackDosDateTime({2024, 3, 7, 9, 5, 4});
    EXPECT_EQ(DetailsEntry("/m/a.mp3", 1, stamp, format), "/m/a.mp3|1|" + std::to_string(packed));
    EXPECT_EQ(DetailsEntry("/m/old.mp3", 1, 0, format), "/m/old.mp3|1|-1")
        << "1970 has no DOS date";
}

} // namespace
