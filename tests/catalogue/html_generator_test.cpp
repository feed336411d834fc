#include "catalogue/html_generator.h"
#include "page_lines.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using TLines = std::vector<std::string>;

// An MPEG-1 Layer III file at 128 kbit/s of exactly `length` bytes, with the trailer at its end
// when one is given. 16,000 bytes are one second of playing time.
std::string Mp3OfLength(std::size_t length, const std::string& trailer = "")
{
    std::string bytes = MakeMp3Stream(3);
    bytes.resize(length - trailer.size(), '\0');
    return bytes + trailer;
}

class TRecordingProgress : public THtmlProgress
{
public:
    TLines Texts;
    void Text(const std::string& text) override { Texts.push_back(text); }
};

class THtmlGeneratorTest : public ::testing::Test
{
protected:
    TTempDir Dir;
    THtmlSongTable Songs;
    TRecordingProgress Progress;

    THtmlRunOptions Options()
    {
        THtmlRunOptions options;
        options.TemplateFolder = Dir / "app/HTML";
        options.HtmlPath = Dir / "site";
        options.Now = {2026, 12, 6, 9, 5, 0};
        return options;
    }

    // Intro.mp3 with a tag, 185 seconds, and Outro.mp3 without one, 62 seconds.
    std::vector<std::string> ExampleFiles()
    {
        return {
            WriteBytes(Dir / "music/Intro.mp3",
                       Mp3OfLength(185 * 16000, MakeTrailer("Intro", "Band", "", "", "", 1, 17)))
                .string(),
            WriteBytes(Dir / "music/Outro.mp3", Mp3OfLength(62 * 16000)).string()};
    }

    std::map<std::string, std::string> TreeBelow(const std::filesystem::path& root)
    {
        std::map<std::string, std::string> tree;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            tree[entry.path().lexically_relative(root).string()] =
                entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
        }
        return tree;
    }
};

TEST_F(THtmlGeneratorTest, WorkedExample)
{
    WriteBytes(Dir / "app/HTML/_songs.htm", "Songs\r\nvar_caption_header\r\n"
                                            "<!-- begin_repetition -->\r\n"
                                            "song_name_from_tags, Tags/songs_file_name, "
                                            "duration_from_tags\r\n"
                                            "<!-- end_repetition -->\r\nEnd\r\n");
    WriteBytes(Dir / "app/HTML/_tags.htm",
               "artist_from_tags / year_from_tags / genre_from_tags, track tracknr_from_tags\r\n");

    const THtmlRunResult result = GenerateHtmlCatalogue(ExampleFiles(), Options(), Songs, Progress);

    EXPECT_TRUE(result.Refusal.empty());
    EXPECT_TRUE(result.Failures.empty());
    EXPECT_EQ(PageLines(Dir / "site/HTML/_songs.htm"),
              (TLines{"Songs", "This Page was generated with Cantrel v2.0 at ", "",
                      "Intro, Tags/Intro_00000.htm, 00 : 03 . 05&nbsp", "",
                      "Outro, Tags/Outro_00001.htm, 00 : 01 . 02&nbsp", "End"}));
    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/Intro_00000.htm"),
              (TLines{"Band&nbsp / &nbsp / Rock&nbsp, track 1&nbsp"}));
    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/Outro_00001.htm"),
              (TLines{"&nbsp /     &nbsp / &lt;unknown&gt;&nbsp, track 0&nbsp"}));
    EXPECT_EQ(Progress.Texts, (TLines{"1 / 2", "2 / 2", "Waiting ..."}));
}

TEST_F(THtmlGeneratorTest, EveryFieldOfATagPage)
{
    std::string tagTemplate;
    for (const char* word :
         {"title_from_tags", "artist_from_tags", "album_from_tags", "year_from_tags",
          "comment_from_tags", "tracknr_from_tags", "genre_from_tags", "duration_from_tags",
          "size_from_tags", "version_from_tags", "mode_from_tags", "bitrate_from_tags",
          "song_name_from_tags", "songs_file_name", "var_date_time"}) {
        tagTemplate += std::string(word) + "\n";
    }
    WriteBytes(Dir / "app/HTML/_tags.htm", tagTemplate);
    const std::vector<std::string> files = {
        WriteBytes(Dir / "music/R&B <live>.mp3",
                   Mp3OfLength(4000000, MakeTrailer("<b>\"Hot\"</b>", "Tom & Jerry", "Album",
                                                    "1999", "a < b", 7, 14)))
            .string()};

    const THtmlRunResult result = GenerateHtmlCatalogue(files, Options(), Songs, Progress);

    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/R&B <live>_00000.htm"),
              (TLines{"&lt;b&gt;&quot;Hot&quot;&lt;/b&gt;&nbsp", "Tom &amp; Jerry&nbsp",
                      "Album&nbsp", "1999&nbsp", "a &lt; b&nbsp", "7&nbsp", "R&amp;B&nbsp",
                      "00 : 04 . 10&nbsp", "3906 Kb&nbsp", "MPEG  1  Layer  3&nbsp", "Stereo&nbsp",
                      "128 bps&nbsp", "R&amp;B &lt;live&gt;", "R&amp;B &lt;live&gt;_00000.htm",
                      "Sunday, 06 - Dec - 2026  /  09 : 05"}));
    // only the songs page template is missing
    EXPECT_EQ(result.Failures, (THtmlFailures{{Dir / "app/HTML/_songs.htm", "template missing"}}));
}

TEST_F(THtmlGeneratorTest, CopiesTheWholeTemplateTree)
{
    WriteBytes(Dir / "app/HTML/_songs.htm", "<p>var_caption_header</p>\n");
    WriteBytes(Dir / "app/HTML/_tags.htm", "<p>title_from_tags</p>\n");
    WriteBytes(Dir / "app/HTML/style.css", "body { margin: 0 }\n");
    WriteBytes(Dir / "app/HTML/.htaccess", "Options -Indexes\n");
    WriteBytes(Dir / "app/HTML/img/logo.png", std::string("\x89PNG\r\n\x1a\n", 8));
    WriteBytes(Dir / "app/HTML/img/.cache/deep/x.txt", "x");
    WriteBytes(Dir / "site/HTML/old.txt", "left from an earlier run");
    WriteBytes(Dir / "site/HTML/style.css", "outdated");

    const THtmlRunResult result = GenerateHtmlCatalogue(ExampleFiles(), Options(), Songs, Progress);

    EXPECT_TRUE(result.Failures.empty());
    auto expected = TreeBelow(Dir / "app/HTML");
    expected["_songs.htm"] = "<p>This Page was generated with Cantrel v2.0 at </p>\r\n";
    expected["old.txt"] = "left from an earlier run";
    expected["Tags"] = "<folder>";
    expected["Tags/Intro_00000.htm"] = "<p>Intro&nbsp</p>\r\n";
    expected["Tags/Outro_00001.htm"] = "<p>Outro.mp3&nbsp</p>\r\n";
    // the copy of the tag template stays as it is
    EXPECT_EQ(expected["_tags.htm"], "<p>title_from_tags</p>\n");
    EXPECT_EQ(TreeBelow(Dir / "site/HTML"), expected);
}

TEST_F(THtmlGeneratorTest, RefusesATargetOverlappingTheTemplatesAndWritesNothing)
{
    WriteBytes(Dir / "app/HTML/_songs.htm", "<p>var_caption_header</p>\n");
    WriteBytes(Dir / "app/HTML/_tags.htm", "<p>title_from_tags</p>\n");
    const std::vector<std::string> files = ExampleFiles();
    const auto before = TreeBelow(Dir.Path());
    for (const std::string& target :
         {Dir / "app", Dir / "app/", Dir / "app/./", Dir / "app/HTML/sub"}) {
        THtmlRunOptions options = Options();
        options.HtmlPath = target;
        const THtmlRunResult result = GenerateHtmlCatalogue(files, options, Songs, Progress);
        EXPECT_FALSE(result.Refusal.empty()) << target;
        EXPECT_EQ(TreeBelow(Dir.Path()), before) << target;
    }
    EXPECT_TRUE(Progress.Texts.empty());
}

TEST_F(THtmlGeneratorTest, MissingTemplateFolderWritesNoPage)
{
    const THtmlRunResult result = GenerateHtmlCatalogue(ExampleFiles(), Options(), Songs, Progress);
    EXPECT_TRUE(result.Refusal.empty());
    EXPECT_EQ(TreeBelow(Dir / "site"), (std::map<std::string, std::string>{
                                           {"HTML", "<folder>"}, {"HTML/Tags", "<folder>"}}));
    const std::string templates = Dir / "app/HTML/";
    EXPECT_EQ(result.Failures, (THtmlFailures{{templates, "template folder missing"},
                                              {templates + "_tags.htm", "template missing"},
                                              {templates + "_songs.htm", "template missing"}}));
}

TEST_F(THtmlGeneratorTest, UnwritableTargetIsListedBrieflyAndTheRunEnds)
{
    WriteBytes(Dir / "app/HTML/_songs.htm", "x\n");
    WriteBytes(Dir / "app/HTML/_tags.htm", "x\n");
    WriteBytes(Dir / "site", "a file where the folder should be");

    const THtmlRunResult result = GenerateHtmlCatalogue(ExampleFiles(), Options(), Songs, Progress);

    const std::string html = Dir / "site/HTML/";
    ASSERT_EQ(result.Failures.size(), 3u);
    EXPECT_EQ(result.Failures[0].Path, html + "Tags/");
    EXPECT_EQ(result.Failures[1].Path, html);
    EXPECT_EQ(result.Failures[2].Path, html + "_songs.htm");
    EXPECT_EQ(result.Failures[2].Reason, "cannot write page: Not a directory");
    EXPECT_EQ(Songs.size(), 2u);
}

TEST_F(THtmlGeneratorTest, SameNamesInTwoFoldersOddNamesAndVanishedFiles)
{
    WriteBytes(Dir / "app/HTML/_tags.htm", "song_name_from_tags title_from_tags\n");
    WriteBytes(Dir / "app/HTML/_songs.htm",
               "<!-- begin_repetition -->\nsongs_file_name\n<!-- end_repetition -->\n");
    const std::vector<std::string> files = {
        WriteBytes(Dir / "music/a/x.mp3", Mp3OfLength(20000)).string(),
        WriteBytes(Dir / "music/b/x.mp3", Mp3OfLength(20000)).string(), Dir / "music/gone.mp3",
        WriteBytes(Dir / "music/.mp3", "not audio").string(),
        WriteBytes(Dir / "music/100% #1?.mp3", Mp3OfLength(20000)).string()};

    const THtmlRunResult result = GenerateHtmlCatalogue(files, Options(), Songs, Progress);

    // the link to the last page keeps working: its name is percent-encoded
    EXPECT_EQ(PageLines(Dir / "site/HTML/_songs.htm"),
              (TLines{"", "x_00000.htm", "", "x_00001.htm", "", "gone_00002.htm", "", "_00003.htm",
                      "", "100%25 %231%3F_00004.htm"}));
    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/x_00001.htm"), (TLines{"x x.mp3&nbsp"}));
    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/gone_00002.htm"),
              (TLines{"gone [not found: gone.mp3]&nbsp"}));
    // audio that is not recognised keeps the placeholder title
    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/_00003.htm"), (TLines{" &nbsp"}));
    EXPECT_EQ(result.Failures, (THtmlFailures{{Dir / "music/gone.mp3", "file missing"}}));
    EXPECT_EQ(PageLines(Dir / "site/HTML/Tags/100% #1?_00004.htm"),
              (TLines{"100% #1? 100% #1?.mp3&nbsp"}));
    EXPECT_EQ(Songs.size(), 5u);
}

} // namespace
