#include "engine/date_time.h"

#include <ctime>

int TDateTime::DayOfWeek() const
{
    // Sakamoto's method for the Gregorian calendar
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int year = Year;
    if (Month < 3) {
        year -= 1;
    }
    const int month = Month >= 1 && Month <= 12 ? Month : 1;
    const int weekday = (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + Day) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

TDateTime LocalDateTime(std::int64_t secondsSinceEpoch)
{
    const auto stamp = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm parts{};
    if (localtime_r(&stamp, &parts) == nullptr) {
        return {};
    }
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::int32_t PackDosDateTime(const TDateTime& time)
{
    if (time.Year < 1980 || time.Year > 2107) {
        return -1;
    }
    const auto packed = (static_cast<std::uint32_t>(time.Year - 1980) << 25) |
                        (static_cast<std::uint32_t>(time.Month) << 21) |
                        (static_cast<std::uint32_t>(time.Day) << 16) |
                        (static_cast<std::uint32_t>(time.Hour) << 11) |
                        (static_cast<std::uint32_t>(time.Minute) << 5) |
                        static_cast<std::uint32_t>(time.Second / 2);
    return static_cast<std::int32_t>(packed);
}

std::optional<TDateTime> UnpackDosDateTime(std::int32_t packed)
{
    if (packed == -1) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(packed);
    return TDateTime{static_cast<int>(bits >> 25) + 1980,   static_cast<int>((bits >> 21) & 0x0F),
                     static_cast<int>((bits >> 16) & 0x1F), static_cast<int>((bits >> 11) & 0x1F),
                     static_cast<int>((bits >> 5) & 0x3F),  static_cast<int>(bits & 0x1F) * 2};
}
