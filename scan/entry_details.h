#pragma once

#include "engine/date_time.h"

#include <cstdint>
#include <string>
#include <string_view>

// How the details of a listed entry show its last-write time.
enum class _DateType
{
    dtDateTime = 0, // formatted with a date-time pattern
    dtDosTime = 1,  // the packed DOS date and time in decimal (-1 when it cannot hold the date)
};

// The pattern used when none is given: a short date and a long time.
inline constexpr const char* DefaultDetailsTimeFormat = "yyyy-mm-dd hh:nn:ss";

// A date and time through a pattern: "yyyy" and "yy" year, "mm" and "m" month, "dd" and "d" day,
// "hh" and "h" hour (0-23), "nn" and "n" minute, "ss" and "s" second (two-letter forms with a
// leading zero); text in double quotes and every other character stand as they are.
std::string FormatDetailsTime(const TDateTime& time, std::string_view pattern);

struct TDetailsFormat
{
    std::string Separator = ",";
    std::string TimeFormat; // empty: DefaultDetailsTimeFormat
    _DateType TypeOfDate = _DateType::dtDateTime;
};

// "path<separator>size<separator>date", the size in bytes in decimal, the date from the
// last-write time (seconds since the epoch, shown in local time).
std::string DetailsEntry(std::string_view path, std::uint64_t size, std::int64_t modified,
                         const TDetailsFormat& format);
