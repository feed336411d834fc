#include "engine/genre_names.h"
#include "workspace/genre_entries.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(GenreEntries, OneEntryPerGenreSortedWithoutCase)
{
    const auto& entries = GenreEntries();
    EXPECT_EQ(entries.size(), GenreCount);
    for (std::size_t i = 1; i < entries.size(); ++i) {
        std::string a = entries[i - 1];
        std::string b = entries[i];
        std::transform(a.begin(), a.end(), a.begin(), ::toupper);
        std::transform(b.begin(), b.end(), b.begin(), ::toupper);
        EXPECT_LE(a, b) << i;
    }
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "Other"), 0);
    EXPECT_GE(std::count(entries.begin(), entries.end(), "<unknown>"), 1);
}

TEST(GenreEntries, EntryForAFilesGenre)
{
    EXPECT_EQ(GenreEntryFor(0), "Blues");
    EXPECT_EQ(GenreEntryFor(17), "Rock");
    EXPECT_EQ(GenreEntryFor(12), "<unknown>"); // "Other"
    EXPECT_EQ(GenreEntryFor(255), "<unknown>");
    EXPECT_EQ(GenreEntryFor(static_cast<std::uint8_t>(GenreCount)), "<unknown>");
}

TEST(GenreEntries, FindsEntriesWithoutCase)
{
    const auto& entries = GenreEntries();
    const int rock = FindGenreEntry(entries, "rOcK");
    ASSERT_GE(rock, 0);
    EXPECT_EQ(entries[rock], "Rock");
    EXPECT_EQ(FindGenreEntry(entries, "No Such Genre"), -1);
    EXPECT_EQ(FindGenreEntry(entries, ""), -1);
}

TEST(GenreEntries, TrackTextHasTwoDigitsBelowTen)
{
    EXPECT_EQ(TrackText(0), "00");
    EXPECT_EQ(TrackText(7), "07");
    EXPECT_EQ(TrackText(10), "10");
    EXPECT_EQ(TrackText(255), "255");
}

} // namespace
