#include "catalogue/html_escape.h"
#include "catalogue/song_values.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatSongNumber, PadsToFiveDigitsAndGrowsBeyond)
{
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "00000"},     {12, "00012"},      {9999, "09999"},
        {99999, "99999"}, {100000, "100000"}, {1234567, "1234567"},
    };
    for (const auto& [index, expected] : cases) {
        EXPECT_EQ(FormatSongNumber(index), expected) << index;
    }
}

TEST(FileNameNoExt, DropsFolderAndLastFourCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/music/Intro.mp3", "Intro"},
        {"/music/x.mp3", "x"},
        {"/music/.mp3", ""},
        {"/music/abcd", ""},
        {"/music/a.b/Song.MP3", "Song"},
        {"relative.mp3", "relative"},
        {"/music/Café.mp3", "Café"},
        {"/music/ÄÖÜ", ""}, // three characters in six bytes
        {"/music/ÄÖÜßx", "Ä"},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(FileNameNoExt(path), expected) << path;
    }
}

TEST(FormatSongDuration, HoursMinutesSecondsWithTwoDigits)
{
    EXPECT_EQ(FormatSongDuration(0), "00 : 00 . 00");
    EXPECT_EQ(FormatSongDuration(185), "00 : 03 . 05");
    EXPECT_EQ(FormatSongDuration(3600 + 59 * 60 + 59), "01 : 59 . 59");
    EXPECT_EQ(FormatSongDuration(65535), "18 : 12 . 15");
}

TEST(HtmlEscape, EscapesMarkupCharactersOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<unknown>", "&lt;unknown&gt;"},
        {"R&B", "R&amp;B"},
        {"say \"hi\"", "say &quot;hi&quot;"},
        {"it's fine", "it's fine"},
        {"&amp;", "&amp;amp;"},
        {"", ""},
        {"Café", "Café"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(HtmlEscape(text), expected) << text;
    }
}

TEST(UrlPathEscape, EncodesOnlyWhatWouldBreakALink)
{
    EXPECT_EQ(UrlPathEscape("Track #1?_00000.htm"), "Track %231%3F_00000.htm");
    EXPECT_EQ(UrlPathEscape("100%_00001.htm"), "100%25_00001.htm");
    EXPECT_EQ(UrlPathEscape("R&B <live> Café_00002.htm"), "R&B <live> Café_00002.htm");
}

} // namespace
