#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

class FormatCommand : public ::testing::Test
{
protected:
    FormatCommand()
    {
        WriteBytes(Tagged, MakeMp3Stream() +
                               MakeTrailer("Blue Sky", "Ann Arbor", "Lakes", "1999", "", 5, 17));
        WriteBytes(Untagged, MakeMp3Stream());
    }

    TTempDir Dir;
    std::string Tagged = Dir / "tagged.mp3";
    std::string Untagged = Dir / "untagged.mp3";
};

TEST_F(FormatCommand, PrintsOneLinePerFile)
{
    const TCliRun run =
        RunCli(RunFormatCommand, {"--locale", "C", "%A,t% - %T,t% (%TR,t%) %BR%kbps", Tagged,
                                  Untagged, Dir / "gone.mp3"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "Ann Arbor - Blue Sky (05) 128kbps\n"
                       "[notag] - untagged.mp3 (00) 128kbps\n"
                       "[notag] - [not found: gone.mp3] (00)   0kbps\n");
    EXPECT_EQ(run.Err, "");
}

TEST_F(FormatCommand, JsonKeepsLineBreaksReadable)
{
    const TCliRun run =
        RunCli(RunFormatCommand, {"--json", "%T,t%%NL%%TB%\"%G,t%\"\\", Tagged, Untagged});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "[\n"
                       "  \"Blue Sky\\r\\n\\t\\\"Rock\\\"\\\\\",\n"
                       "  \"untagged.mp3\\r\\n\\t\\\"<unknown>\\\"\\\\\"\n"
                       "]\n");
}

TEST_F(FormatCommand, OptionsMayFollowTheMacroAndDoubleHyphenEndsThem)
{
    // the C locale of the test process has no thousands separator: the default comma is kept
    EXPECT_EQ(RunCli(RunFormatCommand, {"%LC,t%", Tagged, "--json"}).Out, "[\n  \"1,379\"\n]\n");
    EXPECT_EQ(RunCli(RunFormatCommand, {"--", "-%TR,t%-", Tagged}).Out, "-05-\n");
}

} // namespace
