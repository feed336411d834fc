#include "catalogue/tag_pages.h"
#include "page_lines.h"

#include <gtest/gtest.h>

namespace {

using TLines = std::vector<std::string>;

const TPageValues Page{"Sunday, 06 - Dec - 2026  /  09 : 05", "Header ", "(c)"};

class TCountingProgress : public THtmlProgress
{
public:
    std::vector<std::size_t> Counts;
    void TagPagesWritten(std::size_t count) override { Counts.push_back(count); }
};

TEST(WriteTagPages, OnePagePerSongWithOnePassPerLine)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_tags.htm",
               "<title>title_from_tags</title>\r\n"
               "artist_from_tags / year_from_tags / genre_from_tags, track tracknr_from_tags\n"
               "song_name_from_tags song_name_from_tags\rvar_caption_headervar_date_time");
    TCountingProgress progress;
    THtmlFailures failures;
    WriteTagPages(ExampleSongs(), Page, dir / "templates/", dir / "out/HTML/", progress, failures);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(PageLines(dir / "out/HTML/Tags/Intro_00000.htm"),
              (TLines{"<title>Intro&nbsp</title>", "Band&nbsp / &nbsp / Rock&nbsp, track 1&nbsp",
                      "Intro song_name_from_tags", "Header Sunday, 06 - Dec - 2026  /  09 : 05"}));
    EXPECT_EQ(PageLines(dir / "out/HTML/Tags/Outro_00001.htm"),
              (TLines{"<title>Outro.mp3&nbsp</title>",
                      "&nbsp /     &nbsp / &lt;unknown&gt;&nbsp, track 0&nbsp",
                      "Outro song_name_from_tags", "Header Sunday, 06 - Dec - 2026  /  09 : 05"}));
    EXPECT_EQ(progress.Counts, (std::vector<std::size_t>{1, 2}));
}

TEST(WriteTagPages, PageNamesOnDiskAreNotEscaped)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_tags.htm", "<a href=\"songs_file_name\">song_name_from_tags</a>");
    THtmlSong song;
    song.SongName = "R&amp;B";
    song.SongsFileName = "R&amp;B_00000.htm";
    song.PageFileName = "R&B_00000.htm";
    TCountingProgress progress;
    THtmlFailures failures;
    WriteTagPages({song}, Page, dir / "templates/", dir / "out/HTML/", progress, failures);
    EXPECT_EQ(PageLines(dir / "out/HTML/Tags/R&B_00000.htm"),
              (TLines{"<a href=\"R&amp;B_00000.htm\">R&amp;B</a>"}));
}

TEST(WriteTagPages, MissingTemplateIsListedOnce)
{
    TTempDir dir;
    std::filesystem::create_directories(dir / "templates");
    TCountingProgress progress;
    THtmlFailures failures;
    WriteTagPages(ExampleSongs(), Page, dir / "templates/", dir / "out/HTML/", progress, failures);
    EXPECT_EQ(failures, (THtmlFailures{{dir / "templates/_tags.htm", "template missing"}}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "out/HTML/Tags"));
    EXPECT_TRUE(progress.Counts.empty());
}

TEST(WriteTagPages, UnwritablePageIsListedAndTheRunGoesOn)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_tags.htm", "title_from_tags\n");
    std::filesystem::create_directories(dir / "out/HTML/Tags/Intro_00000.htm");
    TCountingProgress progress;
    THtmlFailures failures;
    WriteTagPages(ExampleSongs(), Page, dir / "templates/", dir / "out/HTML/", progress, failures);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].Path, dir / "out/HTML/Tags/Intro_00000.htm");
    EXPECT_EQ(PageLines(dir / "out/HTML/Tags/Outro_00001.htm"), (TLines{"Outro.mp3&nbsp"}));
    EXPECT_EQ(progress.Counts, (std::vector<std::size_t>{2}));
}

TEST(WriteTagPages, EmptyTableWritesNothing)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_tags.htm", "x\n");
    TCountingProgress progress;
    THtmlFailures failures;
    WriteTagPages({}, Page, dir / "templates/", dir / "out/HTML/", progress, failures);
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    EXPECT_TRUE(failures.empty());
}

} // namespace
