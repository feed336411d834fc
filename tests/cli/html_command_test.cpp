#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlCommand, WritesTheCatalogueAndListsFailures)
{
    TTempDir dir;
    WriteBytes(dir / "templates/_songs.htm", "var_caption_header\n");
    WriteBytes(dir / "templates/_tags.htm", "artist_from_tags\n");
    const std::string song =
        WriteBytes(dir / "music/Song.mp3", MakeMp3Stream(3) + MakeTrailer("Hit", "Ann")).string();
    const std::vector<std::string> args = {
        "--templates", dir / "templates", "--target", dir / "site", "--", song};
    TCliRun run = RunCli(RunHtmlCommand, args);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, dir / "site" + "/HTML/_songs.htm\n");
    EXPECT_EQ(run.Err, "cantrel-cli html: 1 / 1\ncantrel-cli html: Waiting ...\n");
    EXPECT_EQ(ReadBytes(dir / "site/HTML/Tags/Song_00000.htm"), "Ann&nbsp\r\n");

    // a page that cannot be written and a missing song are listed; the rest is written
    std::filesystem::remove(dir / "site/HTML/Tags/Song_00000.htm");
    std::filesystem::create_directories(dir / "site/HTML/Tags/Song_00000.htm");
    std::vector<std::string> more = args;
    more.push_back(dir / "music/missing.mp3");
    run = RunCli(RunHtmlCommand, more);
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find(dir / "site/HTML/Tags/Song_00000.htm: cannot write page: "),
              std::string::npos)
        << run.Err;
    EXPECT_NE(run.Err.find(dir / "music/missing.mp3: file missing"), std::string::npos) << run.Err;
    EXPECT_TRUE(std::filesystem::exists(dir / "site/HTML/Tags/missing_00001.htm"));

    // without a songs template no songs page is written, so none is named
    std::filesystem::remove(dir / "templates/_songs.htm");
    std::filesystem::remove(dir / "site/HTML/_songs.htm");
    run = RunCli(RunHtmlCommand, args);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
}

} // namespace
