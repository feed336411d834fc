#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

// A pipe with a song's name: every command gets past it without waiting for a writer, and every
// command that changes files refuses it with the reason.
TEST(Pipes, NoCommandWaitsForAPipeAndNoneChangesOne)
{
    TTempDir dir;
    const char* given = std::getenv("XDG_STATE_HOME");
    const std::string stateHome = given != nullptr ? given : "";
    setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1); // this test's own journal
    const std::string pipe = dir / "song.mp3";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    // command, arguments, exit status, a line of its output, a line of its errors
    const std::tuple<std::string, std::vector<std::string>, int, std::string, std::string> cases[] =
        {
            {"info", {pipe}, 0, "\n", ""},
            {"write",
             {"--title", "New", pipe},
             1,
             pipe + "\tfailed:22\n",
             "cannot write the tag: not a regular file\n"},
            {"clear",
             {pipe},
             1,
             pipe + "\tfailed:22\n",
             "cannot remove the tag: not a regular file\n"},
            {"rename", {"%t,t%", pipe}, 1, "\tfailed:22\n", ": not a regular file\n"},
            {"copy-v2",
             {pipe},
             1,
             pipe + "\tfailed:22\n",
             "cannot write the tag: not a regular file\n"},
            {"extract", {"--write", pipe}, 1, "", "not written: not a regular file (22)\n"},
        };
    alarm(60); // a command that waits for the pipe's writer ends the test instead of hanging it
    for (const auto& [command, args, status, out, err] : cases) {
        const TCliRun run = RunCommand(command, args);
        EXPECT_EQ(run.Status, status) << command << '\n' << run.Out << run.Err;
        EXPECT_NE(run.Out.find(out), std::string::npos) << command << '\n' << run.Out;
        EXPECT_NE(run.Err.find(err), std::string::npos) << command << '\n' << run.Err;
    }
    alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

} // namespace
