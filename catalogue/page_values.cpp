#include "catalogue/page_values.h"

namespace {

std::string TwoDigits(int value)
{
    std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

} // namespace

std::string FormatCatalogueDateTime(const TDateTime& now, const TRegionalSettings& regional)
{
    // an unknown date (all zero) must not index the name tables out of range
    const int month = now.Month >= 1 && now.Month <= 12 ? now.Month : 1;
    const std::string& dayName = regional.LongDayNames[static_cast<std::size_t>(now.DayOfWeek())];
    const std::string& monthName = regional.ShortMonthNames[static_cast<std::size_t>(month - 1)];
    std::string year = std::to_string(now.Year);
    while (year.size() < 4) {
        year.insert(0, 1, '0');
    }
    return dayName + ", " + TwoDigits(now.Day) + " - " + monthName + " - " + year + "  /  " +
           TwoDigits(now.Hour) + " : " + TwoDigits(now.Minute);
}

TPageValues MakePageValues(const TDateTime& now, const TRegionalSettings& regional)
{
    return {FormatCatalogueDateTime(now, regional), CaptionHeaderText, CopyrightText};
}
