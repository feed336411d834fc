#include "engine/genre_names.h"
#include "workspace/display_texts.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(StreamTexts, FileSizeByRange)
{
    const std::tuple<const char*, std::int64_t, std::optional<std::string>> cases[] = {
        {"empty file", 0, "0 Bytes  "},
        {"last byte count", 1023, "1023 Bytes  "},
        {"one kilobyte", 1024, "1.0 Kb  "},
        {"fraction is not padded", 1050, "1.2 Kb  "},
        {"two-digit fraction", 5000, "4.90 Kb  "},
        {"last kilobyte count", 1048575, "1023.102 Kb  "},
        {"one megabyte", 1048576, "1.0 Mb  "},
        {"megabytes with fraction", 3 * 1048576 + 524288, "3.51 Mb  "},
        {"last megabyte count", 1073741823, "1023.102 Mb  "},
        {"a gigabyte keeps the old text", 1073741824, std::nullopt},
        {"beyond 32 bits too", 5'000'000'000, std::nullopt},
    };
    for (const auto& [rule, length, text] : cases) {
        EXPECT_EQ(FileSizeText(length), text) << rule;
    }
}

TEST(GenreEntries, OneEntryPerGenreSortedWithoutCase)
{
    const auto& entries = GenreEntries();
    EXPECT_EQ(entries.size(), GenreCount);
    const auto upper = [](char a, char b) { return std::toupper(a) < std::toupper(b); };
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), upper);
    }));
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "Other"), 0);
    EXPECT_GE(std::count(entries.begin(), entries.end(), "<unknown>"), 1);
}

// One row per text rule: what the function gives, what the window shows.
TEST(DisplayTexts, SingleValueTexts)
{
    const std::pair<std::string, std::string> cases[] = {
        {DurationText(0, 3, 7), "00 : 03 . 07"},
        {VersionText(1, 3), "MPEG  1  Layer  3  "},
        {ModeText("Joint-Stereo"), "Joint-Stereo  "},
        {BitRateText(128), "128 KBit/s  "},
        {PlainNumberText(44100), "44100  "},
        {GenreEntryFor(0), "Blues"},
        {GenreEntryFor(17), "Rock"},
        {GenreEntryFor(12), "<unknown>"}, // "Other"
        {GenreEntryFor(255), "<unknown>"},
        {GenreEntryFor(static_cast<std::uint8_t>(GenreCount)), "<unknown>"},
        {TrackText(7), "07"},
        {TrackText(10), "10"},
        {MacroFullName("/m/a/Song.MP3", "01.Title"), "/m/a/01.Title.mp3"},
        {MacroFullName("Song.mp3", "x"), "x.mp3"},
        {MacroFullName("/m/a/s.mp3", "[ Artist ]\\01.t"), "/m/a/[ Artist ]\\01.t.mp3"},
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, expected);
    }
    const auto& entries = GenreEntries();
    const int rock = FindGenreEntry(entries, "rOcK");
    ASSERT_GE(rock, 0);
    EXPECT_EQ(entries[rock], "Rock");
    EXPECT_EQ(FindGenreEntry(entries, "No Such Genre"), -1);
    EXPECT_EQ(FindGenreEntry(entries, ""), -1);
    EXPECT_FALSE(ExceedsCdLimit(64));
    EXPECT_TRUE(ExceedsCdLimit(65));
}

TEST(NameLength, CountsCharactersOfTheNamePart)
{
    const std::tuple<const char*, std::string, std::size_t> cases[] = {
        {"after the last slash", "/m/a/abc.mp3", 7},
        {"a backslash of the macro starts a folder", "/m/a/[ A ]\\01.t.mp3", 8},
        {"no folder at all", "abc.mp3", 7},
        {"characters, not bytes", "/m/\xC3\xA9t\xC3\xA9.mp3", 7},
        {"empty name", "/m/", 0},
    };
    for (const auto& [rule, fullName, length] : cases) {
        EXPECT_EQ(NewNameLength(fullName), length) << rule;
    }
}

} // namespace
