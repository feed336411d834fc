#include "engine/regional_settings.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

struct TTimeFormatCase
{
    const char* Format;
    const char* Separator;
};

TEST(RegionalSettings, TakesTheTimeSeparatorFromTheFormat)
{
    const TTimeFormatCase cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(TimeSeparatorOfFormat(c.Format), c.Separator) << c.Format;
    }
}

TEST(RegionalSettings, CLocaleGivesTheDefaults)
{
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
