#include "cli_run.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

const std::string Song = MakeMp3Stream(3) + MakeTrailer("Song", "Band", "Album", "2001", "", 1, 17);

TEST(BatchCommands, UndoListsAndTakesBackTheBatches)
{
    TTempDir dir;
    const char* given = std::getenv("XDG_STATE_HOME");
    const std::string stateHome = given != nullptr ? given : "";
    setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1); // this test's own journal
    const std::string song = dir / "song.mp3";
    const std::string moved = dir / "Band/New.mp3";
    const std::string pipe = dir / "pipe.mp3";
    WriteBytes(song, Song);
    // in order: the command, its arguments, its status, what its output holds and what its error
    // output starts with ("": nothing at all)
    const std::tuple<std::string, std::vector<std::string>, int, std::string, std::string> steps[] =
        {
            {"undo", {}, 2, "", "cantrel-cli undo: nothing to undo\n"},
            {"write", {"--title", "New", song}, 0, "written", ""},
            {"rename", {"%a,t%\\%t,t%", song}, 0, "renamed", ""},
            {"undo", {"--list"}, 0, "\trename\t1\n1\t", ""},
            {"undo",
             {"--dry-run", "--json"},
             0,
             "[\n  {\"path\": \"" + moved + "\", \"old\": \"" + song +
                 "\", \"status\": \"would-undo\"}\n]\n",
             ""},
            {"undo", {}, 0, moved + "\t" + song + "\tundone\n", ""},
            {"undo", {"1", "--json", "--dry-run"}, 0, "would-undo", ""},
            {"write", {"--title", "Later", song}, 0, "written", ""},
            {"undo",
             {"1"},
             1,
             song + "\t" + song + "\tchanged\n",
             "cantrel-cli undo: " + song + ": "},
            {"undo", {"99"}, 2, "", "cantrel-cli undo: nothing to undo in batch 99\n"},
            {"undo",
             {"--list", "3"},
             2,
             "",
             "cantrel-cli undo: --list takes no N and no --dry-run"},
            {"undo", {"1", "2"}, 2, "", "cantrel-cli undo: unexpected argument '2'"},
            // a pipe with a song's name is never waited for, and never changed
            {"info", {pipe}, 0, "valid=0\n", ""},
            {"write", {"--title", "New", pipe}, 1, pipe + "\tfailed:22\n", "cantrel-cli write: "},
            {"clear", {pipe}, 1, pipe + "\tfailed:22\n", "cantrel-cli clear: "},
            {"copy-v2", {pipe}, 1, pipe + "\tfailed:22\n", "cantrel-cli copy-v2: "},
            {"rename", {"%t,t%", pipe}, 1, "\tfailed:22\n", "cantrel-cli rename: "},
            {"extract",
             {"--write", pipe},
             1,
             "Formula: Track\n",
             "cantrel-cli extract: " + pipe + ": not written: not a regular file (22)"},
        };
    mkfifo(pipe.c_str(), 0644);
    alarm(60); // a command that waits for the pipe's writer ends the test instead of hanging it
    for (const auto& [command, args, status, out, err] : steps) {
        const TCliRun result = RunCommand(command, args);
        EXPECT_EQ(result.Status, status) << testing::PrintToString(args);
        EXPECT_TRUE(out.empty() ? result.Out.empty() : result.Out.find(out) != std::string::npos)
            << result.Out;
        EXPECT_TRUE(err.empty() ? result.Err.empty() : result.Err.starts_with(err)) << result.Err;
    }
    alarm(0);
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

TEST(BatchCommands, TextsAndValuesTheTagCannotHoldAreNotWritten)
{
    TTempDir dir;
    const char* given = std::getenv("XDG_STATE_HOME");
    const std::string stateHome = given != nullptr ? given : "";
    setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
    const std::string cyrillic = "\xD0\x92\xD0\xB5\xD1\x87";
    const std::string file = dir / (cyrillic + ".mp3");
    const std::string lost = file + ": not written: characters the code page WINDOWS-1252";
    // in order on one file: the command, its arguments, the status, what the output holds, what
    // the error output starts with ("": nothing at all), the title after
    const std::tuple<std::string, std::vector<std::string>, int, std::string, std::string,
                     std::string>
        steps[] = {
            {"write", {"--track", "300"}, 2, "", "cantrel-cli write: track '300' is not a", "Song"},
            {"write", {"--track=x"}, 2, "", "cantrel-cli write: track 'x' is not a", "Song"},
            {"write", {"--year", "19999"}, 2, "", "cantrel-cli write: year '19999' is", "Song"},
            {"write",
             {"--genre", "NoSuchName"},
             2,
             "",
             "cantrel-cli write: genre 'NoSuchName' is neither",
             "Song"},
            {"write",
             {"--title", cyrillic},
             1,
             "\tunencodable\n",
             "cantrel-cli write: " + lost,
             "Song"},
            {"copy-v2",
             {"--dry-run"},
             1,
             "\tunencodable\n",
             "cantrel-cli copy-v2: " + lost,
             "Song"},
            {"copy-v2",
             {"--json"},
             1,
             "\"status\": \"unencodable\"}",
             "cantrel-cli copy-v2: " + lost,
             "Song"},
            {"extract",
             {"--write", "--field", "Title"},
             1,
             "Write: unencodable",
             "cantrel-cli extract: " + file + ": unencodable (not written",
             "Song"},
            {"write",
             {"--title", cyrillic, "--codepage", "windows-1251"},
             0,
             "written",
             "",
             "\xC2\xE5\xF7"},
            {"copy-v2", {"--codepage=KOI8-R"}, 0, "written", "", "\xF7\xC5\xDE"},
            {"write", {"--title", cyrillic, "--lossy", "--genre", "rock"}, 0, "written", "", "???"},
        };
    WriteBytes(file, MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf8, cyrillic)}}) + Song);
    for (const auto& [command, args, status, out, err, after] : steps) {
        std::vector<std::string> words = args;
        words.push_back(file);
        const TCliRun result = RunCommand(command, words);
        EXPECT_EQ(result.Status, status) << command << testing::PrintToString(args);
        EXPECT_TRUE(out.empty() ? result.Out.empty() : result.Out.find(out) != std::string::npos)
            << result.Out;
        EXPECT_TRUE(err.empty() ? result.Err.empty() : result.Err.starts_with(err)) << result.Err;
        EXPECT_EQ(ReadBytes(file).substr(ReadBytes(file).size() - 125, after.size()), after)
            << command << testing::PrintToString(args);
    }
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

} // namespace
