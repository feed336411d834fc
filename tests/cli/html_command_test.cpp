#include "cli/commands.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct TRun
{
    int Code;
    std::string Out;
    std::string Err;
};

TRun Html(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunHtmlCommand(args, out, err);
    return {code, out.str(), err.str()};
}

class THtmlCommandTest : public ::testing::Test
{
protected:
    TTempDir Dir;
    std::string Song;

    void SetUp() override
    {
        WriteBytes(Dir / "templates/_songs.htm", "var_caption_header\n");
        WriteBytes(Dir / "templates/_tags.htm", "artist_from_tags\n");
        Song = WriteBytes(Dir / "music/Song.mp3", MakeMp3Stream(3) + MakeTrailer("Hit", "Ann"))
                   .string();
    }
};

TEST_F(THtmlCommandTest, WritesTheCatalogue)
{
    const TRun run = Html({"--templates", Dir / "templates", "--target", Dir / "site", Song});
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, Dir / "site" + "/HTML/_songs.htm\n");
    EXPECT_EQ(run.Err, "cantrel-cli html: 1 / 1\ncantrel-cli html: Waiting ...\n");
    EXPECT_EQ(ReadBytes(Dir / "site/HTML/Tags/Song_00000.htm"), "Ann&nbsp\r\n");
}

TEST_F(THtmlCommandTest, UsageErrorsWriteNothing)
{
    const std::string templates = Dir / "templates";
    const std::string site = Dir / "site";
    const struct
    {
        const char* Rule;
        std::vector<std::string> Args;
        const char* Message;
    } cases[] = {
        {"no arguments", {}, "the template folder is missing"},
        {"no target", {"--templates", templates, Song}, "the target folder is missing"},
        {"no files", {"--templates", templates, "--target", site}, "no files given"},
        {"option without its folder", {"--target", site, Song, "--templates"}, "needs a folder"},
        {"missing template folder",
         {"--templates", Dir / "none", "--target", site, Song},
         "does not exist"},
        {"template folder that is a file",
         {"--templates", Song, "--target", site, Song},
         "is not a folder"},
        {"target inside the templates",
         {"--templates", templates, "--target", templates, Song},
         "Choose another target folder"},
    };
    for (const auto& c : cases) {
        const TRun run = Html(c.Args);
        EXPECT_EQ(run.Code, 2) << c.Rule;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Rule << ": " << run.Err;
        EXPECT_TRUE(run.Out.empty()) << c.Rule;
        EXPECT_FALSE(std::filesystem::exists(Dir / "site")) << c.Rule;
        EXPECT_FALSE(std::filesystem::exists(Dir / "templates/HTML")) << c.Rule;
    }
}

TEST_F(THtmlCommandTest, FailuresAreListedWithExitOne)
{
    std::filesystem::create_directories(Dir / "site/HTML/Tags/Song_00000.htm");
    const TRun run = Html({"--templates", Dir / "templates", "--target", Dir / "site", "--", Song,
                           Dir / "music/missing.mp3"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find(Dir / "site/HTML/Tags/Song_00000.htm: cannot write page: "),
              std::string::npos)
        << run.Err;
    EXPECT_NE(run.Err.find(Dir / "music/missing.mp3: file missing"), std::string::npos) << run.Err;
    EXPECT_TRUE(std::filesystem::exists(Dir / "site/HTML/Tags/missing_00001.htm"));
}

} // namespace
