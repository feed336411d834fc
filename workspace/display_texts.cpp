#include "workspace/display_texts.h"

#include "engine/ascii_text.h"
#include "engine/genre_names.h"
#include "engine/path_parts.h"
#include "engine/utf8.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* Pad = "  ";

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

std::string DurationText(int hours, int minutes, int seconds)
{
    return TwoDigits(hours) + " : " + TwoDigits(minutes) + " . " + TwoDigits(seconds);
}

std::optional<std::string> FileSizeText(std::int64_t length)
{
    constexpr std::int64_t Kb = 1024;
    constexpr std::int64_t Mb = 1024 * 1024;
    constexpr std::int64_t Gb = 1024 * 1024 * 1024;
    if (length < Kb) {
        return std::to_string(length) + " Bytes" + Pad;
    }
    if (length < Mb) {
        return std::to_string(length / Kb) + "." + std::to_string(length % Kb / 10) + " Kb" + Pad;
    }
    if (length < Gb) {
        return std::to_string(length / Mb) + "." + std::to_string(length % Mb / 10240) + " Mb" +
               Pad;
    }
    return std::nullopt;
}

std::string VersionText(int version, int layer)
{
    return "MPEG  " + std::to_string(version) + "  Layer  " + std::to_string(layer) + Pad;
}

std::string ModeText(std::string_view modeName)
{
    return std::string(modeName) + Pad;
}

std::string BitRateText(std::int32_t bitRate)
{
    return std::to_string(bitRate) + " KBit/s" + Pad;
}

std::string PlainNumberText(std::int64_t value)
{
    return std::to_string(value) + Pad;
}

namespace {

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
            list.emplace_back(IsUnknownGenreName(name) ? UnknownGenreEntry : name);
        }
        std::stable_sort(list.begin(), list.end(), LessIgnoringCase);
        return list;
    }();
    return entries;
}

std::string GenreEntryFor(std::uint8_t genre)
{
    const std::string_view name = GenreName(genre);
    return std::string(IsUnknownGenreName(name) ? UnknownGenreEntry : name);
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

std::string MacroFullName(std::string_view currentFile, std::string_view expandedMacro)
{
    return WithTrailingSlash(FolderPart(currentFile)) + std::string(expandedMacro) + ".mp3";
}

std::size_t NewNameLength(std::string_view fullName)
{
    const auto cut = fullName.find_last_of("/\\");
    return Utf8Length(cut == std::string_view::npos ? fullName : fullName.substr(cut + 1));
}
