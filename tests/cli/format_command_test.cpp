#include "cli/commands.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct TRun
{
    int Status;
    std::string Out;
    std::string Err;
};

TRun Format(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunFormatCommand(args, out, err);
    return {status, out.str(), err.str()};
}

struct TUsageCase
{
    const char* Rule;
    std::vector<std::string> Args;
    const char* Message;
};

TEST(FormatCommand, RejectsBadUsageWithAClearMessage)
{
    const TUsageCase cases[] = {
        {"nothing given", {}, "MACRO and FILE missing"},
        {"no file", {"%T%"}, "FILE missing"},
        {"only options", {"--json", "--locale", "C"}, "MACRO and FILE missing"},
        {"unknown option", {"--xml", "%T%", "a.mp3"}, "unknown option '--xml'"},
        {"macro starting with a hyphen", {"-%T%", "a.mp3"}, "put -- before a MACRO"},
        {"locale without value", {"%T%", "a.mp3", "--locale"}, "--locale needs a value"},
        {"other locale", {"--locale", "de_DE", "%T%", "a.mp3"}, "unsupported locale 'de_DE'"},
    };
    for (const auto& c : cases) {
        const TRun run = Format(c.Args);
        EXPECT_EQ(run.Status, 2) << c.Rule;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Rule << ": " << run.Err;
        EXPECT_EQ(run.Out, "") << c.Rule;
    }
}

class FormatCommandFiles : public ::testing::Test
{
protected:
    FormatCommandFiles()
    {
        Tagged = Dir / "tagged.mp3";
        WriteBytes(Tagged, MakeMp3Stream() +
                               MakeTrailer("Blue Sky", "Ann Arbor", "Lakes", "1999", "", 5, 17));
        Untagged = Dir / "untagged.mp3";
        WriteBytes(Untagged, MakeMp3Stream());
        Missing = Dir / "gone.mp3";
    }

    TTempDir Dir;
    std::string Tagged;
    std::string Untagged;
    std::string Missing;
};

TEST_F(FormatCommandFiles, PrintsOneLinePerFile)
{
    const TRun run =
        Format({"--locale", "C", "%A,t% - %T,t% (%TR,t%) %BR%kbps", Tagged, Untagged, Missing});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "Ann Arbor - Blue Sky (05) 128kbps\n"
                       "[notag] - untagged.mp3 (00) 128kbps\n"
                       "[notag] - [not found: gone.mp3] (00)   0kbps\n");
    EXPECT_EQ(run.Err, "");
}

TEST_F(FormatCommandFiles, JsonKeepsLineBreaksReadable)
{
    const TRun run = Format({"--json", "%T,t%%NL%%TB%\"%G,t%\"\\", Tagged, Untagged});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "[\n"
                       "  \"Blue Sky\\r\\n\\t\\\"Rock\\\"\\\\\",\n"
                       "  \"untagged.mp3\\r\\n\\t\\\"<unknown>\\\"\\\\\"\n"
                       "]\n");
}

TEST_F(FormatCommandFiles, OptionsMayFollowTheMacroAndDoubleHyphenEndsThem)
{
    // the C locale of the test process has no thousands separator: the default comma is kept
    EXPECT_EQ(Format({"%LC,t%", Tagged, "--json"}).Out, "[\n  \"1,379\"\n]\n");
    EXPECT_EQ(Format({"--", "-%TR,t%-", Tagged}).Out, "-05-\n");
}

} // namespace
