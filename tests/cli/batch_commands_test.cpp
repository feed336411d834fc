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
    // in order: the command, its arguments, its status, what its output holds
    const std::tuple<std::string, std::vector<std::string>, int, std::string> steps[] = {
        {"undo", {}, 2, ""},
        {"write", {"--title", "New", song}, 0, "written"},
        {"rename", {"%a,t%\\%t,t%", song}, 0, "renamed"},
        {"undo", {"--list"}, 0, "\trename\t1\n1\t"},
        {"undo",
         {"--dry-run", "--json"},
         0,
         "[\n  {\"path\": \"" + moved + "\", \"old\": \"" + song +
             "\", \"status\": \"would-undo\"}\n]\n"},
        {"undo", {}, 0, moved + "\t" + song + "\tundone\n"},
        {"undo", {"1", "--json", "--dry-run"}, 0, "would-undo"},
        {"write", {"--title", "Later", song}, 0, "written"},
        {"undo", {"1"}, 1, song + "\t" + song + "\tchanged\n"},
        {"undo", {"99"}, 2, ""},
        {"undo", {"--list", "3"}, 2, ""},
        // a pipe with a song's name is never waited for, and never changed
        {"info", {pipe}, 0, ""},
        {"write", {"--title", "New", pipe}, 1, pipe + "\tfailed:22\n"},
        {"clear", {pipe}, 1, pipe + "\tfailed:22\n"},
        {"copy-v2", {pipe}, 1, pipe + "\tfailed:22\n"},
        {"rename", {"%t,t%", pipe}, 1, "\tfailed:22\n"},
        {"extract", {"--write", pipe}, 1, "Write: not written: not a regular file (22)\n"},
    };
    mkfifo(pipe.c_str(), 0644);
    alarm(60); // a command that waits for the pipe's writer ends the test instead of hanging it
    for (const auto& [command, args, status, out] : steps) {
        const TCliRun result = RunCommand(command, args);
        EXPECT_EQ(result.Status, status) << testing::PrintToString(args);
        EXPECT_NE(result.Out.find(out), std::string::npos) << result.Out;
    }
    alarm(0);
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

TEST(BatchCommands, TextsAndValuesTheTagCannotHoldAreNotWritten)
{
    const std::string cyrillic = "\xD0\x92\xD0\xB5\xD1\x87";
    const std::string title = MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf8, cyrillic)}});
    // in order on one file: the command, its arguments, the status, the output, the title after
    const std::tuple<std::string, std::vector<std::string>, int, std::string, std::string> steps[] =
        {
            {"write", {"--track", "300"}, 2, "", "Song"},
            {"write", {"--track", "x"}, 2, "", "Song"},
            {"write", {"--year", "19999"}, 2, "", "Song"},
            {"write", {"--genre", "NoSuchName"}, 2, "", "Song"},
            {"write", {"--title", cyrillic}, 1, "\tunencodable\n", "Song"},
            {"copy-v2", {"--dry-run"}, 1, "\tunencodable\n", "Song"},
            {"copy-v2", {}, 1, "\tunencodable\n", "Song"},
            {"extract", {"--write", "--field", "Title"}, 1, "Write: unencodable", "Song"},
            {"write",
             {"--title", cyrillic, "--codepage", "windows-1251"},
             0,
             "written",
             "\xC2\xE5\xF7"},
            {"copy-v2", {"--codepage", "KOI8-R"}, 0, "written", "\xF7\xC5\xDE"},
            {"write", {"--title", cyrillic, "--lossy", "--genre", "rock"}, 0, "written", "???"},
        };
    TTempDir dir;
    const std::string file = dir / (cyrillic + ".mp3");
    WriteBytes(file, title + Song);
    for (const auto& [command, args, status, out, after] : steps) {
        std::vector<std::string> given = args;
        given.push_back(file);
        const TCliRun result = RunCommand(command, given);
        EXPECT_EQ(result.Status, status) << command << testing::PrintToString(args);
        EXPECT_NE(result.Out.find(out), std::string::npos) << result.Out;
        EXPECT_EQ(ReadBytes(file).substr(ReadBytes(file).size() - 125, after.size()), after)
            << command << testing::PrintToString(args);
    }
}

} // namespace
