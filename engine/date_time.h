#pragma once

#include <cstdint>
#include <optional>

// A local date and time as the file system or the clock gives it; all zero when unknown.
struct TDateTime
{
    int Year = 0;
    int Month = 0; // 1..12
    int Day = 0;   // 1..31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;

    bool operator==(const TDateTime&) const = default;

    // 0 = Sunday .. 6 = Saturday; only meaningful for a real date.
    int DayOfWeek() const;
};

// The local time of a POSIX time stamp (seconds since the epoch).
TDateTime LocalDateTime(std::int64_t secondsSinceEpoch);

// The packed DOS date and time: bits 25-31 year-1980, 21-24 month, 16-20 day, 11-15 hour,
// 5-10 minute, 0-4 second/2. A date the format cannot hold (before 1980 or after 2107) gives -1.
std::int32_t PackDosDateTime(const TDateTime& time);

// The inverse of PackDosDateTime; nothing for -1.
std::optional<TDateTime> UnpackDosDateTime(std::int32_t packed);
