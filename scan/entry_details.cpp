#include "scan/entry_details.h"

#include "engine/ascii_text.h"

#include <algorithm>

namespace {

void AppendNumber(std::string& out, int value, std::size_t width)
{
    const auto digits = std::to_string(value);
    if (digits.size() < width) {
        out.append(width - digits.size(), '0');
    }
    out += digits;
}

} // namespace

std::string FormatDetailsTime(const TDateTime& time, std::string_view pattern)
{
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '"') {
            const auto close = pattern.find('"', i + 1);
            const auto end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        const char lower = AsciiLower(c);
        std::size_t run = 1;
        while (i + run < pattern.size() && AsciiLower(pattern[i + run]) == lower) {
            ++run;
        }
        int value = 0;
        switch (lower) {
        case 'y':
            if (run >= 4) {
                AppendNumber(out, time.Year, 4);
                run = 4;
            } else {
                AppendNumber(out, time.Year % 100, 2);
                run = std::min<std::size_t>(run, 2);
            }
            i += run;
            continue;
        case 'm':
            value = time.Month;
            break;
        case 'd':
            value = time.Day;
            break;
        case 'h':
            value = time.Hour;
            break;
        case 'n':
            value = time.Minute;
            break;
        case 's':
            value = time.Second;
            break;
        default:
            out += c;
            ++i;
            continue;
        }
        run = std::min<std::size_t>(run, 2);
        AppendNumber(out, value, run);
        i += run;
    }
    return out;
}

std::string DetailsEntry(std::string_view path, std::uint64_t size, std::int64_t modified,
                         const TDetailsFormat& format)
{
    std::string entry(path);
    entry += format.Separator;
    entry += std::to_string(size);
    entry += format.Separator;
    const auto local = LocalDateTime(modified);
    if (format.TypeOfDate == _DateType::dtDosTime) {
        entry += std::to_string(PackDosDateTime(local));
    } else {
        entry += FormatDetailsTime(local, format.TimeFormat.empty() ? DefaultDetailsTimeFormat
                                                                    : format.TimeFormat);
    }
    return entry;
}
