#pragma once

#include <array>
#include <string>
#include <string_view>

// The user's regional settings as a plain value, so that formatting is a pure function.
// Default-constructed: "," thousands, "." decimal, ":" time, English names.
struct TRegionalSettings
{
    std::string ThousandSeparator = ",";
    std::string DecimalSeparator = ".";
    std::string TimeSeparator = ":";
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};

    // From the process locale (setlocale(LC_ALL, "") first), through localeconv and nl_langinfo.
    static TRegionalSettings FromProcessLocale();
};

// What a locale gives before the rules of RegionalSettingsOf: texts in UTF-8, empty where the
// locale gives none, and the time format in strftime form ("%H:%M:%S").
struct TLocaleTexts
{
    std::string ThousandSeparator;
    std::string DecimalSeparator;
    std::string TimeFormat;
    std::array<std::string, 7> ShortDayNames;
    std::array<std::string, 7> LongDayNames;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
};

// The regional settings of a locale, the one rule for the windows and the command line: a text
// the locale does not give keeps its default (the C locale has no thousands separator, so ","
// stays), and the time separator is read from the time format by TimeSeparatorOfFormat.
TRegionalSettings RegionalSettingsOf(const TLocaleTexts& texts);

// The separator between hours and minutes of a strftime time format: "%H.%M.%S" gives ".";
// ":" when the format shows none, names the POSIX forms %T, %R or %r, or writes unit words that
// differ between hours and minutes and between minutes and seconds ("%H时%M分%S秒").
std::string TimeSeparatorOfFormat(std::string_view timeFormat);
