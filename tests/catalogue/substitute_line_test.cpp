#include "catalogue/substitute_line.h"

#include <gtest/gtest.h>

namespace {

TEST(SubstituteLine, OnePassReplacesTheFirstOccurrenceOfEachWord)
{
    THtmlSong song;
    song.Title = "Intro&nbsp";
    song.Artist = "Band&nbsp";
    song.Year = "1999&nbsp";
    song.SongsFileName = "Intro_00000.htm";
    const TPageValues page{"Sunday", "Header ", "(c)"};
    const std::pair<const char*, const char*> cases[] = {
        {"<p>Songs</p>", "<p>Songs</p>"},
        {"title_from_tags by artist_from_tags", "Intro&nbsp by Band&nbsp"},
        {"title_from_tags title_from_tags", "Intro&nbsp title_from_tags"},
        {"Title_from_tags TITLE_FROM_TAGS", "Title_from_tags TITLE_FROM_TAGS"},
        {"<a href=\"Tags/songs_file_name\" class=\"xyear_from_tagsx\">",
         "<a href=\"Tags/Intro_00000.htm\" class=\"x1999&nbspx\">"},
        {"var_caption_headervar_date_time var_copyright", "Header Sunday (c)"},
        {"[album_from_tags]", "[]"},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(SubstituteLine(line, song, page), expected) << line;
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
}

} // namespace
