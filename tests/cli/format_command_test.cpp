#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatCommand, PrintsOneLinePerFile)
{
    TTempDir dir;
    const std::string tagged = dir / "tagged.mp3";
    const std::string untagged = dir / "untagged.mp3";
    WriteBytes(tagged,
               MakeMp3Stream() + MakeTrailer("Blue Sky", "Ann Arbor", "Lakes", "1999", "", 5, 17));
    WriteBytes(untagged, MakeMp3Stream());
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--locale", "C", "%A,t% - %T,t% (%TR,t%) %BR%kbps", tagged, untagged, dir / "gone.mp3"},
         "Ann Arbor - Blue Sky (05) 128kbps\n"
         "[notag] - untagged.mp3 (00) 128kbps\n"
         "[notag] - [not found: gone.mp3] (00)   0kbps\n"},
        // JSON keeps line breaks readable
        {{"--json", "%T,t%%NL%%TB%\"%G,t%\"\\", tagged, untagged},
         "[\n  \"Blue Sky\\r\\n\\t\\\"Rock\\\"\\\\\",\n"
         "  \"untagged.mp3\\r\\n\\t\\\"<unknown>\\\"\\\\\"\n]\n"},
        // options may follow the macro; the C locale of the test has no thousands separator
        {{"%LC,t%", tagged, "--json"}, "[\n  \"1,379\"\n]\n"},
        {{"--", "-%TR,t%-", tagged}, "-05-\n"},
    };
    for (const auto& [args, out] : cases) {
        const TCliRun run = RunCli(RunFormatCommand, args);
        EXPECT_EQ(run.Status, 0) << args[0];
        EXPECT_EQ(run.Out, out);
        EXPECT_EQ(run.Err, "");
    }
}

} // namespace
