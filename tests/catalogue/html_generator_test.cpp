#include "catalogue/html_generator.h"
#include "engine/path_parts.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <tuple>

namespace {

using TLines = std::vector<std::string>;
using TTree = std::map<std::string, std::string>;

// The template set shipped with the program, in the source tree.
const std::filesystem::path Shipped = CANTREL_SOURCE_DIR "/data/HTML";

const std::string Begin = "<!-- begin_repetition -->";
const std::string End = "<!-- end_repetition -->";

// An MPEG-1 Layer III file at 128 kbit/s of exactly `length` bytes, with the trailer at its end
// when one is given. 16,000 bytes are one second of playing time.
std::string Mp3OfLength(std::size_t length, const std::string& trailer = "")
{
    std::string bytes = MakeMp3Stream(3);
    bytes.resize(length - trailer.size(), '\0');
    return bytes + trailer;
}

// A page's content: every line ends in CR LF.
std::string Page(const TLines& lines)
{
    std::string page;
    for (const std::string& line : lines) {
        page += line + "\r\n";
    }
    return page;
}

// "path: text" of each failure, in order.
TLines Listed(const TFileFailures& failures)
{
    TLines lines;
    for (const TFileFailure& failure : failures) {
        lines.push_back(failure.Path + ": " + failure.Text);
    }
    return lines;
}

class TRecordingProgress : public THtmlProgress
{
public:
    TLines Texts;
    std::vector<std::size_t> PagesWritten;
    void Text(const std::string& text) override { Texts.push_back(text); }
    void TagPagesWritten(std::size_t count) override { PagesWritten.push_back(count); }
};

class THtmlGeneratorTest : public ::testing::Test
{
protected:
    TTempDir Dir;
    THtmlSongTable Songs;
    TRecordingProgress Progress;

    // Intro.mp3 with a tag (title Intro, artist Band), 185 seconds; Outro.mp3 without, 62 seconds.
    std::vector<std::string> ExampleFiles()
    {
        return {
            WriteBytes(Dir / "music/Intro.mp3",
                       Mp3OfLength(185 * 16000, MakeTrailer("Intro", "Band", "", "", "", 1, 17)))
                .string(),
            WriteBytes(Dir / "music/Outro.mp3", Mp3OfLength(62 * 16000)).string()};
    }

    THtmlRunResult Run(const std::vector<std::string>& files, const std::string& target = "site",
                       const std::string& templates = "")
    {
        THtmlRunOptions options;
        options.TemplateFolder = templates.empty() ? Dir / "app/HTML" : templates;
        options.HtmlPath = Dir / target;
        options.Now = {2026, 12, 6, 9, 5, 0};
        return GenerateHtmlCatalogue(files, options, Songs, Progress);
    }

    TTree TreeBelow(const std::filesystem::path& root)
    {
        TTree tree;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            tree[entry.path().lexically_relative(root).string()] =
                entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
        }
        return tree;
    }
};

TEST_F(THtmlGeneratorTest, SongsPageRules)
{
    const std::tuple<const char*, std::string, TLines> cases[] = {
        {"template lines ending in CR only",
         "Songs\r" + Begin + "\rsong_name_from_tags\r" + End,
         {"Songs", "", "Intro", "", "Outro"}},
        {"no block: one pass per line, song words give empty texts",
         "<h1>var_caption_headervar_date_time</h1>\n[title_from_tags]\nvar_copyright var_copyright",
         {"<h1>This Page was generated with Cantrel v2.0 at Sunday, 06 - Dec - 2026  /  09 : "
          "05</h1>",
          "[]", "Cantrel &copy; Velmor var_copyright"}},
        {"markers are exact whole lines",
         " " + Begin + "\n" + Begin + " \n<!-- BEGIN_repetition -->\n" + End + "\nx\n",
         {" " + Begin, Begin + " ", "<!-- BEGIN_repetition -->", "x"}},
        {"the last line of an unterminated block follows the block",
         "a\n" + Begin + "\nsong_name_from_tags\nlast song_name_from_tags\n",
         {"a", "", "Intro", "", "Outro", "last "}},
        {"a begin marker on the last line repeats an empty line", "a\n" + Begin, {"a", "", ""}},
        {"block lines get extra passes for a second page name or song name",
         Begin + "\nsongs_file_name|songs_file_name|title_from_tags|title_from_tags\n" +
             "song_name_from_tags|song_name_from_tags\n" + End,
         {"", "Intro_00000.htm|Intro_00000.htm|Intro&nbsp|Intro&nbsp", "Intro|Intro", "",
          "Outro_00001.htm|Outro_00001.htm|Outro.mp3&nbsp|Outro.mp3&nbsp", "Outro|Outro"}},
        {"each block stands alone",
         Begin + "\nx song_name_from_tags\n" + End + "\nmid\n" + Begin + "\ny tracknr_from_tags\n" +
             End,
         {"", "x Intro", "", "x Outro", "mid", "", "y 1&nbsp", "", "y 0&nbsp"}},
    };
    WriteBytes(Dir / "app/HTML/_tags.htm", "");
    const std::vector<std::string> files = ExampleFiles();
    for (const auto& [rule, songsPage, expected] : cases) {
        WriteBytes(Dir / "app/HTML/_songs.htm", songsPage);
        EXPECT_TRUE(Run(files).Failures.empty()) << rule;
        EXPECT_EQ(ReadBytes(Dir / "site/HTML/_songs.htm"), Page(expected)) << rule;
    }
}

TEST_F(THtmlGeneratorTest, EveryFieldOfATagPageEscaped)
{
    std::string tagTemplate;
    for (const auto word : ReservedWords) {
        tagTemplate += std::string(word) + "\n";
    }
    WriteBytes(Dir / "app/HTML/_tags.htm", tagTemplate);
    // 4,000,000 bytes and a playing time of 4:10
    const std::string file =
        WriteBytes(Dir / "music/R&B <live>.mp3",
                   Mp3OfLength(4000000, MakeTrailer("<b>\"Hot\"</b>", "Tom & Jerry", "Album",
                                                    "1999", "a < b", 7, 14)))
            .string();

    const THtmlRunResult result = Run({file});

    // the page's name on disk is the plain file name
    EXPECT_EQ(ReadBytes(Dir / "site/HTML/Tags/R&B <live>_00000.htm"),
              Page({"&lt;b&gt;&quot;Hot&quot;&lt;/b&gt;&nbsp", "Tom &amp; Jerry&nbsp", "Album&nbsp",
                    "1999&nbsp", "7&nbsp", "a &lt; b&nbsp", "R&amp;B&nbsp", "00 : 04 . 10&nbsp",
                    "3906 Kb&nbsp", "MPEG  1  Layer  3&nbsp", "Stereo&nbsp", "R&amp;B &lt;live&gt;",
                    "R&amp;B%20%3Clive%3E_00000.htm", "Sunday, 06 - Dec - 2026  /  09 : 05",
                    CaptionHeaderText, CopyrightText, "128 bps&nbsp"}));
    EXPECT_EQ(Listed(result.Failures), (TLines{Dir / "app/HTML/_songs.htm: template missing"}));
}

TEST_F(THtmlGeneratorTest, OddNamesSameNamesAndVanishedFiles)
{
    WriteBytes(Dir / "app/HTML/_tags.htm", "song_name_from_tags title_from_tags\n");
    WriteBytes(Dir / "app/HTML/_songs.htm", Begin + "\nsongs_file_name\n" + End + "\n");
    const std::vector<std::string> files = {
        WriteBytes(Dir / "music/a/x.mp3", Mp3OfLength(20000)).string(),
        WriteBytes(Dir / "music/b/x.mp3", Mp3OfLength(20000)).string(), Dir / "music/gone.mp3",
        WriteBytes(Dir / "music/.mp3", "not audio").string(),
        WriteBytes(Dir / "music/AC\\DC: 100% #1?.mp3", Mp3OfLength(20000)).string()};

    const THtmlRunResult result = Run(files);

    // links are percent-encoded so that they find the pages
    EXPECT_EQ(ReadBytes(Dir / "site/HTML/_songs.htm"),
              Page({"", "x_00000.htm", "", "x_00001.htm", "", "gone_00002.htm", "", "_00003.htm",
                    "", "AC%5CDC%3A%20100%25%20%231%3F_00004.htm"}));
    EXPECT_EQ(ReadBytes(Dir / "site/HTML/Tags/x_00001.htm"), Page({"x x.mp3&nbsp"}));
    EXPECT_EQ(ReadBytes(Dir / "site/HTML/Tags/gone_00002.htm"),
              Page({"gone [not found: gone.mp3]&nbsp"}));
    // audio that is not recognised keeps the placeholder title, which becomes "&nbsp" alone
    EXPECT_EQ(ReadBytes(Dir / "site/HTML/Tags/_00003.htm"), Page({" &nbsp"}));
    EXPECT_TRUE(std::filesystem::exists(Dir / "site/HTML/Tags/AC\\DC: 100% #1?_00004.htm"));
    EXPECT_EQ(Listed(result.Failures), (TLines{Dir / "music/gone.mp3: file missing"}));
}

TEST_F(THtmlGeneratorTest, CopiesTheWholeTemplateTree)
{
    WriteBytes(Dir / "app/HTML/_songs.htm", "<p>var_caption_header</p>\n");
    WriteBytes(Dir / "app/HTML/_tags.htm", "<p>title_from_tags</p>\n");
    WriteBytes(Dir / "app/HTML/.htaccess", "Options -Indexes\n");
    WriteBytes(Dir / "app/HTML/img/.cache/deep/x.png", std::string("\x89PNG\r\n\x1a\n", 8));
    WriteBytes(Dir / "site/HTML/old.txt", "left from an earlier run");
    WriteBytes(Dir / "site/HTML/.htaccess", "outdated");

    EXPECT_TRUE(Run(ExampleFiles()).Failures.empty());

    TTree expected = TreeBelow(Dir / "app/HTML");
    expected["_songs.htm"] = "<p>This Page was generated with Cantrel v2.0 at </p>\r\n";
    expected["old.txt"] = "left from an earlier run";
    expected["Tags"] = "<folder>";
    expected["Tags/Intro_00000.htm"] = "<p>Intro&nbsp</p>\r\n";
    expected["Tags/Outro_00001.htm"] = "<p>Outro.mp3&nbsp</p>\r\n";
    // the copy of the tag template stays as it is
    EXPECT_EQ(expected["_tags.htm"], "<p>title_from_tags</p>\n");
    EXPECT_EQ(TreeBelow(Dir / "site/HTML"), expected);
}

TEST_F(THtmlGeneratorTest, FailuresAreListedAndSkipped)
{
    const std::string templates = Dir / "app/HTML/";
    const std::string html = Dir / "site/HTML/";

    // no template folder: no page, each missing template listed once
    EXPECT_EQ(
        Listed(Run(ExampleFiles()).Failures),
        (TLines{templates + ": template folder missing", templates + "_tags.htm: template missing",
                templates + "_songs.htm: template missing"}));
    EXPECT_TRUE(std::filesystem::is_empty(html + "Tags"));
    EXPECT_FALSE(std::filesystem::exists(html + "_songs.htm"));

    // a folder in the place of one page: the other pages are written
    WriteBytes(templates + "_songs.htm", "var_caption_header\n");
    WriteBytes(templates + "_tags.htm", "title_from_tags\n");
    std::filesystem::create_directories(html + "Tags/Intro_00000.htm");
    const TFileFailures failures = Run(ExampleFiles()).Failures;
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].Path, html + "Tags/Intro_00000.htm");
    EXPECT_EQ(ReadBytes(html + "Tags/Outro_00001.htm"), Page({"Outro.mp3&nbsp"}));
    EXPECT_EQ(Progress.PagesWritten, (std::vector<std::size_t>{2}));

    // an empty list writes no page
    std::filesystem::remove_all(html + "Tags");
    EXPECT_TRUE(Run({}).Failures.empty());
    EXPECT_TRUE(std::filesystem::is_empty(html + "Tags"));

    // a file in the place of the target folder: each folder listed once, not once per page
    WriteBytes(Dir / "file", "");
    const TFileFailures unwritable = Run(ExampleFiles(), "file").Failures;
    ASSERT_EQ(unwritable.size(), 2u);
    EXPECT_EQ(unwritable[0].Path, Dir / "file/HTML/Tags/");
    EXPECT_EQ(unwritable[1].Path, Dir / "file/HTML/");
    EXPECT_EQ(unwritable[1].Text, "cannot create folder: Not a directory");
}

TEST_F(THtmlGeneratorTest, NeverWritesThroughLinks)
{
    const std::string templates = Dir / "app/HTML/";
    const std::string html = Dir / "site/HTML/";
    WriteBytes(templates + "_songs.htm", "var_caption_header\n");
    WriteBytes(templates + "_tags.htm", "title_from_tags\n");
    WriteBytes(templates + "style.css", "p {}\n");
    WriteBytes(templates + "img/logo.svg", "<svg/>\n");
    WriteBytes(Dir / "mine.css", "mine\n");
    std::filesystem::create_directories(html + "Tags");
    std::filesystem::create_directories(html + "img");
    std::filesystem::create_symlink(templates + "_songs.htm", html + "_songs.htm");
    std::filesystem::create_hard_link(templates + "_tags.htm", html + "Tags/Intro_00000.htm");
    std::filesystem::create_symlink(Dir / "mine.css", html + "style.css");
    std::filesystem::create_hard_link(templates + "img/logo.svg", html + "img/logo.svg");

    const TFileFailures failures = Run(ExampleFiles()).Failures;

    EXPECT_EQ(ReadBytes(templates + "_songs.htm"), "var_caption_header\n");
    EXPECT_EQ(ReadBytes(templates + "_tags.htm"), "title_from_tags\n");
    EXPECT_EQ(ReadBytes(Dir / "mine.css"), "mine\n");
    // the copies of _songs.htm, style.css and logo.svg, the songs page and the first tag page
    EXPECT_EQ(failures.size(), 5u);
    for (const TFileFailure& failure : failures) {
        EXPECT_NE(failure.Text.find("left as it is"), std::string::npos) << failure.Text;
    }
    EXPECT_EQ(ReadBytes(html + "Tags/Outro_00001.htm"), Page({"Outro.mp3&nbsp"}));

    // a linked folder is listed, and nothing is written into it
    const std::pair<std::string, std::string> folders[] = {
        {"site1", "HTML"}, {"site2", "HTML/Tags"}, {"site3", "HTML/img"}};
    std::filesystem::create_directories(Dir / "outside");
    for (const auto& [target, link] : folders) {
        std::filesystem::create_directories(Dir / (target + "/" + FolderPart(link)));
        std::filesystem::create_directory_symlink(Dir / "outside", Dir / (target + "/" + link));
        const TFileFailures linked = Run(ExampleFiles(), target).Failures;
        EXPECT_TRUE(std::filesystem::is_empty(Dir / "outside")) << link;
        ASSERT_FALSE(linked.empty()) << link;
        EXPECT_EQ(linked[0].Reason, TFailureReason::LinkInTheWay) << link;
        EXPECT_EQ(linked[0].Path, Dir / (target + "/" + link + "/")) << link;
    }
    // pages are written where no link stands
    EXPECT_EQ(ReadBytes(Dir / "site3/HTML/Tags/Outro_00001.htm"), Page({"Outro.mp3&nbsp"}));
}

TEST_F(THtmlGeneratorTest, RefusesTargetsOnTheTemplatesAndWritesNothing)
{
    WriteBytes(Dir / "app/HTML/_songs.htm", "var_caption_header\n");
    WriteBytes(Dir / "app/HTML/img/x.png", "");
    std::filesystem::create_directories(Dir / "music");
    std::filesystem::create_directory_symlink(Dir / "app", Dir / "link");
    const std::pair<const char*, bool> cases[] = {
        {"app/HTML", true}, // without its final slash
        {"music/../app/./HTML/", true},
        {"link/HTML/", true},
        {"app/HTML/img/HTML/", true},
        {"app/", true}, // the templates inside the target
        {"music/HTML/", false},
        {"app/HTML2/", false}, // a name that only starts alike
        {"new/deeper/HTML/", false},
    };
    for (const auto& [folder, refused] : cases) {
        EXPECT_EQ(!TargetConflict(Dir / "app/HTML/", Dir / folder).empty(), refused) << folder;
    }
    const std::vector<std::string> files = ExampleFiles();
    const TTree before = TreeBelow(Dir.Path());
    EXPECT_FALSE(Run(files, "link/").Refusal.empty());
    EXPECT_EQ(TreeBelow(Dir.Path()), before);
    EXPECT_TRUE(Progress.Texts.empty());
}

TEST_F(THtmlGeneratorTest, ShippedTemplatesUseEveryWordAndGiveCleanPages)
{
    const std::string tags = ReadBytes(Shipped / "_tags.htm");
    for (const auto word : ReservedWords) {
        EXPECT_NE(tags.find(word), std::string::npos) << word;
    }
    const std::vector<std::string> files = {
        WriteBytes(Dir / "music/R&B <live>.mp3",
                   MakeMp3Stream(3) + MakeTrailer("Hot \"mix\"", "A & B", "", "", "", 3, 14))
            .string(),
        WriteBytes(Dir / "music/untagged.mp3", MakeMp3Stream(3)).string()};
    ASSERT_TRUE(Run(files, "site", Shipped.string()).Failures.empty());

    // "&nbsp" ends each value; the templates complete it to a valid reference
    const std::regex bareNbsp("&nbsp(?!;)");
    for (const std::string& page :
         {Dir / "site/HTML/_songs.htm", Dir / "site/HTML/Tags/R&B <live>_00000.htm",
          Dir / "site/HTML/Tags/untagged_00001.htm"}) {
        const std::string html = ReadBytes(page);
        ASSERT_FALSE(html.empty()) << page;
        for (const auto word : ReservedWords) {
            EXPECT_EQ(html.find(word), std::string::npos) << page << ": " << word;
        }
        EXPECT_FALSE(std::regex_search(html, bareNbsp)) << page;
        EXPECT_EQ(html.find("<live>"), std::string::npos) << page;
    }
    const std::string list = ReadBytes(Dir / "site/HTML/_songs.htm");
    EXPECT_NE(list.find("href=\"Tags/R&amp;B%20%3Clive%3E_00000.htm\""), std::string::npos);
    EXPECT_NE(list.find("&lt;unknown&gt;&nbsp;"), std::string::npos);
}

} // namespace
