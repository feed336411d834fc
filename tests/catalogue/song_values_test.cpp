#include "catalogue/song_values.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(SongValues, NumbersNamesDurationsAndDates)
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

TEST(SongValues, EscapesKeepLinksWorkingAndValuesOutOfTheMarkup)
{
    using TEscape = std::string (*)(std::string_view);
    const std::tuple<TEscape, const char*, const char*> cases[] = {
        {UrlPathEscape, "Café Ñandú_00001.htm", "Café%20Ñandú_00001.htm"},
        {UrlPathEscape, "c:song", "c%3Asong"},      // else "c:" starts a scheme
        {UrlPathEscape, "new\nline", "new%0Aline"}, // a browser drops line breaks from links
        // not UTF-8: the byte itself must reach the file
        {UrlPathEscape, "bad\xE9name", "bad%E9name"},
        {HtmlEscape, "x' onmouseover='alert(1)", "x&#39; onmouseover=&#39;alert(1)"},
        {HtmlEscape, "<a href=\"&\">", "&lt;a href=&quot;&amp;&quot;&gt;"},
        {HtmlEscape, "Caf\xC3\xA9", "Caf\xC3\xA9"},
        {HtmlEscape, "bad\xE9name\xC3", "bad\xEF\xBF\xBDname\xEF\xBF\xBD"}, // not UTF-8
    };
    for (const auto& [escape, text, expected] : cases) {
        EXPECT_EQ(escape(text), expected) << text;
    }
}

// Each value holds the next word in the fixed order, so one pass over the first word walks the
// whole chain only when the words are taken in exactly that order.
TEST(SubstituteLine, TakesTheSeventeenWordsInTheirFixedOrder)
{
    THtmlSong song;
    TPageValues page;
    std::string* const fields[] = {
        &song.Title,     &song.Artist,   &song.Album,         &song.Year,     &song.TrackNr,
        &song.Comment,   &song.Genre,    &song.Duration,      &song.Size,     &song.Version,
        &song.Mode,      &song.SongName, &song.SongsFileName, &page.DateTime, &page.CaptionHeader,
        &page.Copyright, &song.BitRate};
    ASSERT_EQ(std::size(fields), ReservedWords.size());
    for (std::size_t i = 0; i + 1 < ReservedWords.size(); ++i) {
        *fields[i] = std::to_string(i) + ">" + std::string(ReservedWords[i + 1]);
    }
    *fields[ReservedWords.size() - 1] = "end";
    EXPECT_EQ(SubstituteLine(ReservedWords[0], song, page),
              "0>1>2>3>4>5>6>7>8>9>10>11>12>13>14>15>end");

    // a value holding a word earlier in the order keeps it
    song.Artist = "title_from_tags";
    EXPECT_EQ(SubstituteLine("artist_from_tags", song, page), "title_from_tags");

    // words count inside other text, in their own case only
    song = {};
    song.Title = "Intro&nbsp";
    song.Year = "1999&nbsp";
    song.SongsFileName = "Intro_00000.htm";
    EXPECT_EQ(SubstituteLine("<a href=\"Tags/songs_file_name\" class=\"xyear_from_tagsx\"> "
                             "Title_from_tags TITLE_FROM_TAGS",
                             song, page),
              "<a href=\"Tags/Intro_00000.htm\" class=\"x1999&nbspx\"> Title_from_tags "
              "TITLE_FROM_TAGS");
}

} // namespace
