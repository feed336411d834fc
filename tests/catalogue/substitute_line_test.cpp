#include "catalogue/substitute_line.h"

#include <gtest/gtest.h>

namespace {

struct TReplaceCase
{
    const char* Rule;
    const char* Text;
    const char* Word;
    const char* Value;
    const char* Expected;
};

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence)
{
    const TReplaceCase cases[] = {
        {"word alone", "abc", "abc", "X", "X"},
        {"word in the middle", "1 abc 2", "abc", "X", "1 X 2"},
        {"second occurrence stays", "abc abc", "abc", "X", "X abc"},
        {"inside a longer word", "xabcx", "abc", "", "xx"},
        {"absent word leaves the text", "ab c", "abc", "X", "ab c"},
        {"value holding the word", "abc", "abc", "abcabc", "abcabc"},
        {"case matters", "ABC abc", "abc", "X", "ABC X"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceFirst(c.Text, c.Word, c.Value), c.Expected) << c.Rule;
    }
}

THtmlSong SampleSong()
{
    THtmlSong song;
    song.Title = "Intro&nbsp";
    song.Artist = "Band&nbsp";
    song.Year = "1999&nbsp";
    song.TrackNr = "7&nbsp";
    song.SongName = "Intro";
    song.SongsFileName = "Intro_00000.htm";
    return song;
}

const TPageValues SamplePage{"Sunday, 06 - Dec - 2026  /  09 : 05", "Header ", "(c)"};

struct TPassCase
{
    const char* Rule;
    const char* Line;
    const char* Expected;
};

TEST(SubstituteLine, OnePassReplacesEachWordOnce)
{
    const TPassCase cases[] = {
        {"plain text is copied", "<p>Songs</p>", "<p>Songs</p>"},
        {"several words on one line", "title_from_tags by artist_from_tags",
         "Intro&nbsp by Band&nbsp"},
        {"a word written twice keeps its second occurrence", "title_from_tags title_from_tags",
         "Intro&nbsp title_from_tags"},
        {"words with capitals stay", "Title_from_tags TITLE_FROM_TAGS",
         "Title_from_tags TITLE_FROM_TAGS"},
        {"words inside attributes and longer words",
         "<a href=\"Tags/songs_file_name\" class=\"xyear_from_tagsx\">",
         "<a href=\"Tags/Intro_00000.htm\" class=\"x1999&nbspx\">"},
        {"page-wide words", "var_caption_headervar_date_time var_copyright",
         "Header Sunday, 06 - Dec - 2026  /  09 : 05 (c)"},
        {"empty fields give empty text", "[album_from_tags]", "[]"},
        {"song name and page name", "song_name_from_tags songs_file_name", "Intro Intro_00000.htm"},
    };
    const THtmlSong song = SampleSong();
    for (const auto& c : cases) {
        EXPECT_EQ(SubstituteLine(c.Line, song, SamplePage), c.Expected) << c.Rule;
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
