#include "catalogue/songs_page.h"
#include "page_lines.h"

#include <gtest/gtest.h>

namespace {

using TLines = std::vector<std::string>;

const TPageValues Page{"Sunday, 06 - Dec - 2026  /  09 : 05",
                       "This Page was generated with Cantrel v2.0 at ", "(c)"};

struct TSongsPageCase
{
    const char* Rule;
    std::string Template;
    TLines Expected;
};

TEST(WriteSongsPage, GoldenPages)
{
    const std::string begin = "<!-- begin_repetition -->";
    const std::string end = "<!-- end_repetition -->";
    const TSongsPageCase cases[] = {
        {"the worked example",
         "Songs\nvar_caption_header\n" + begin + "\n" +
             "song_name_from_tags, Tags/songs_file_name, duration_from_tags\n" + end + "\nEnd\n",
         {"Songs", "This Page was generated with Cantrel v2.0 at ", "",
          "Intro, Tags/Intro_00000.htm, 00 : 03 . 05&nbsp", "",
          "Outro, Tags/Outro_00001.htm, 00 : 01 . 02&nbsp", "End"}},
        {"template lines ending in CR only",
         "Songs\r" + begin + "\rsong_name_from_tags\r" + end + "\rEnd",
         {"Songs", "", "Intro", "", "Outro", "End"}},
        {"no block: one pass per line, song words give empty texts",
         "<h1>var_caption_headervar_date_time</h1>\n[title_from_tags]\nvar_copyright var_copyright",
         {"<h1>This Page was generated with Cantrel v2.0 at Sunday, 06 - Dec - 2026  /  09 : "
          "05</h1>",
          "[]", "(c) var_copyright"}},
        {"markers are exact whole lines",
         " " + begin + "\n" + begin + " \n<!-- BEGIN_repetition -->\nx\n",
         {" " + begin, begin + " ", "<!-- BEGIN_repetition -->", "x"}},
        {"an end marker outside a block writes nothing", "a\n" + end + "\nb", {"a", "b"}},
        {"the last line of an unterminated block follows the block",
         "a\n" + begin + "\nsong_name_from_tags\nlast song_name_from_tags\n",
         {"a", "", "Intro", "", "Outro", "last "}},
        {"a begin marker on the last line repeats an empty line", "a\n" + begin, {"a", "", ""}},
        {"an empty block repeats its empty line", begin + "\n" + end, {"", ""}},
        {"block lines get extra passes for a second page name or song name",
         begin + "\nsongs_file_name|songs_file_name|title_from_tags|title_from_tags\n" +
             "song_name_from_tags|song_name_from_tags\ntrack tracknr_from_tags "
             "tracknr_from_tags\n" +
             end,
         {"", "Intro_00000.htm|Intro_00000.htm|Intro&nbsp|Intro&nbsp", "Intro|Intro",
          "track 1&nbsp tracknr_from_tags", "",
          "Outro_00001.htm|Outro_00001.htm|Outro.mp3&nbsp|Outro.mp3&nbsp", "Outro|Outro",
          "track 0&nbsp tracknr_from_tags"}},
        {"each block stands alone",
         begin + "\nx song_name_from_tags\n" + end + "\nmid\n" + begin + "\ny songs_file_name\n" +
             end,
         {"", "x Intro", "", "x Outro", "mid", "", "y Intro_00000.htm", "", "y Outro_00001.htm"}},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        WriteBytes(dir / "templates/_songs.htm", c.Template);
        THtmlFailures failures;
        WriteSongsPage(ExampleSongs(), Page, dir / "templates/", dir / "out/HTML/", failures);
        EXPECT_EQ(PageLines(dir / "out/HTML/_songs.htm"), c.Expected) << c.Rule;
        EXPECT_TRUE(failures.empty()) << c.Rule;
        EXPECT_TRUE(std::filesystem::is_directory(dir / "out/HTML/Tags")) << c.Rule;
    }
}

TEST(WriteSongsPage, MissingTemplateIsListedAndWritesNothing)
{
    TTempDir dir;
    std::filesystem::create_directories(dir / "templates");
    THtmlFailures failures;
    WriteSongsPage(ExampleSongs(), Page, dir / "templates/", dir / "out/HTML/", failures);
    EXPECT_FALSE(std::filesystem::exists(dir / "out/HTML/_songs.htm"));
    EXPECT_EQ(failures, (THtmlFailures{{dir / "templates/_songs.htm", "template missing"}}));
}

TEST(WriteSongsPage, EmptyTableWritesNothing)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_songs.htm", "x\n");
    THtmlFailures failures;
    WriteSongsPage({}, Page, dir / "templates/", dir / "out/HTML/", failures);
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    EXPECT_TRUE(failures.empty());
}

TEST(WriteSongsPage, UnwritablePageIsListed)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_songs.htm", "x\n");
    // a folder where the page should go cannot be opened as a file, not even by the superuser
    std::filesystem::create_directories(dir / "out/HTML/_songs.htm");
    THtmlFailures failures;
    WriteSongsPage(ExampleSongs(), Page, dir / "templates/", dir / "out/HTML/", failures);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].Path, dir / "out/HTML/_songs.htm");
    EXPECT_EQ(failures[0].Reason.rfind("cannot write page: ", 0), 0u) << failures[0].Reason;
}

} // namespace
