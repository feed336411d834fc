#include "catalogue/html_escape.h"
#include "catalogue/page_values.h"
#include "catalogue/song_values.h"

#include <gtest/gtest.h>

namespace {

TEST(SongValues, NumbersNamesAndDurations)
{
    const std::pair<std::size_t, const char*> numbers[] = {
        {0, "00000"}, {12, "00012"}, {99999, "99999"}, {100000, "100000"}};
    for (const auto& [index, expected] : numbers) {
        EXPECT_EQ(FormatSongNumber(index), expected) << index;
    }
    const std::pair<const char*, const char*> names[] = {
        {"/music/x.mp3", "x"},           {"/music/.mp3", ""},
        {"/music/a.b/Song.MP3", "Song"}, {"/music/ÄÖÜ", ""}, // three characters in six bytes
        {"/music/ÄÖÜßx", "Ä"},
    };
    for (const auto& [path, expected] : names) {
        EXPECT_EQ(FileNameNoExt(path), expected) << path;
    }
    EXPECT_EQ(FormatSongDuration(3600 + 59 * 60 + 59), "01 : 59 . 59");
}

TEST(UrlPathEscape, KeepsLinksWorkingForAnyFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Intro-1_(live)._00000.htm", "Intro-1_(live)._00000.htm"},
        {"Café Ñandú_00001.htm", "Café%20Ñandú_00001.htm"},
        {"100% #1?", "100%25%20%231%3F"},
        {"AC\\DC", "AC%5CDC"},         // a browser reads "\" as "/"
        {"c:song", "c%3Asong"},        // else "c:" starts a scheme
        {"new\nline", "new%0Aline"},   // a browser drops line breaks from links
        {"bad\xE9name", "bad%E9name"}, // not UTF-8: the byte itself must reach the file
        {"R&B <\"x\">", "R&B%20%3C%22x%22%3E"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(UrlPathEscape(name), expected) << name;
    }
}

TEST(FormatCatalogueDateTime, RegionalNamesAndTwoDigitFields)
{
    EXPECT_EQ(FormatCatalogueDateTime({2024, 2, 29, 23, 59, 0}, TRegionalSettings{}),
              "Thursday, 29 - Feb - 2024  /  23 : 59");
    TRegionalSettings german;
    german.LongDayNames[0] = "Sonntag";
    german.ShortMonthNames[11] = "Dez";
    // 6 December 2026 is a Sunday
    EXPECT_EQ(FormatCatalogueDateTime({2026, 12, 6, 9, 5, 0}, german),
              "Sonntag, 06 - Dez - 2026  /  09 : 05");
    // an unknown date must not read outside the name tables
    EXPECT_NE(FormatCatalogueDateTime({}, TRegionalSettings{}).find(" - Jan - 0000  /  00 : 00"),
              std::string::npos);
}

} // namespace
