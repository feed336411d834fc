#include "workspace/genre_entries.h"

#include "engine/genre_names.h"

#include <algorithm>

namespace {

bool IsUnknownName(std::string_view name)
{
    return EqualsIgnoringCase(name, "OTHER") || EqualsIgnoringCase(name, "UNKNOWN");
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [](char x, char y) { return AsciiUpper(x) < AsciiUpper(y); });
    if (less || !EqualsIgnoringCase(a, b)) {
        return less;
    }
    return a < b;
}

} // namespace

const std::vector<std::string>& GenreEntries()
{
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list;
        list.reserve(GenreCount);
        for (const auto name : GenreNames) {
            list.emplace_back(IsUnknownName(name) ? UnknownGenreEntry : name);
        }
        std::stable_sort(list.begin(), list.end(), LessIgnoringCase);
        return list;
    }();
    return entries;
}

std::string GenreEntryFor(std::uint8_t genre)
{
    const std::string_view name = GenreName(genre);
    return std::string(IsUnknownName(name) ? UnknownGenreEntry : name);
}

int FindGenreEntry(const std::vector<std::string>& entries, std::string_view text)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EqualsIgnoringCase(entries[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string TrackText(std::uint8_t track)
{
    return (track < 10 ? "0" : "") + std::to_string(track);
}
