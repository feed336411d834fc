#include "cli_run.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string Song = MakeMp3Stream(3) + MakeTrailer("Song", "Band", "Album", "2001", "", 1, 17);

// One command of a script: its arguments, its status, what its output holds and what its error
// output says after "cantrel-cli COMMAND: " ("": nothing at all, neither output nor errors).
struct TStep
{
    std::string Command;
    std::vector<std::string> Args;
    int Status;
    std::string Out;
    std::string Err;
};

void ExpectStep(const TStep& step)
{
    const TCliRun result = RunCommand(step.Command, step.Args);
    const std::string err = "cantrel-cli " + step.Command + ": " + step.Err;
    EXPECT_EQ(result.Status, step.Status) << step.Command << testing::PrintToString(step.Args);
    EXPECT_TRUE(step.Out.empty() ? result.Out.empty()
                                 : result.Out.find(step.Out) != std::string::npos)
        << result.Out;
    EXPECT_TRUE(step.Err.empty() ? result.Err.empty() : result.Err.starts_with(err)) << result.Err;
}

TEST(BatchCommands, UndoListsAndTakesBackTheBatches)
{
    TTempDir dir;
    const TOwnStateHome journal(dir / "state");
    const std::string song = WriteBytes(dir / "song.mp3", Song);
    const std::string moved = dir / "Band/New.mp3";
    const std::string pipe = dir / "pipe.mp3";
    const std::string json = "[\n  {\"path\": \"" + moved + "\", \"old\": \"" + song +
                             "\", \"status\": \"would-undo\"}\n]\n";
    const TStep steps[] = {
        {"undo", {}, 2, "", "nothing to undo\n"},
        {"write", {"--title", "New", song}, 0, "written", ""},
        {"rename", {"%a,t%\\%t,t%", song}, 0, "renamed", ""},
        {"undo", {"--list"}, 0, "\trename\t1\n1\t", ""},
        {"undo", {"--dry-run", "--json"}, 0, json, ""},
        {"undo", {}, 0, moved + "\t" + song + "\tundone\n", ""},
        {"undo", {"1", "--json", "--dry-run"}, 0, "would-undo", ""},
        {"write", {"--title", "Later", song}, 0, "written", ""},
        {"undo", {"1"}, 1, song + "\t" + song + "\tchanged\n", song + ": "},
        {"undo", {"99"}, 2, "", "nothing to undo in batch 99\n"},
        {"undo", {"--list", "3"}, 2, "", "--list takes no N and no --dry-run"},
        {"undo", {"1", "2"}, 2, "", "unexpected argument '2'"},
        // a pipe with a song's name is never waited for, and never changed
        {"info", {pipe}, 0, "valid=0\n", ""},
        {"write", {"--title", "New", pipe}, 1, pipe + "\tfailed:22\n", pipe},
        {"clear", {pipe}, 1, pipe + "\tfailed:22\n", pipe},
        {"copy-v2", {pipe}, 1, pipe + "\tfailed:22\n", pipe},
        {"rename", {"%t,t%", pipe}, 1, "\tfailed:22\n", pipe},
        {"extract",
         {"--write", pipe},
         1,
         "Formula: Track\n",
         pipe + ": not written: not a regular"},
    };
    mkfifo(pipe.c_str(), 0644);
    alarm(60); // a command that waits for the pipe's writer ends the test instead of hanging it
    for (const TStep& step : steps) {
        ExpectStep(step);
    }
    alarm(0);
}

TEST(BatchCommands, TextsAndValuesTheTagCannotHoldAreNotWritten)
{
    TTempDir dir;
    const TOwnStateHome journal(dir / "state");
    const std::string cyrillic = "\xD0\x92\xD0\xB5\xD1\x87";
    const std::string file = dir / (cyrillic + ".mp3");
    const std::string lost = file + ": not written: characters the code page WINDOWS-1252";
    const std::string unencodable = file + ": unencodable (not written";
    // commands on one file, and its title after each
    const std::pair<TStep, std::string> steps[] = {
        {{"write", {"--track", "300"}, 2, "", "track '300' is not a"}, "Song"},
        {{"write", {"--track=x"}, 2, "", "track 'x' is not a"}, "Song"},
        {{"write", {"--year", "19999"}, 2, "", "year '19999' is"}, "Song"},
        {{"write", {"--genre", "NoSuchName"}, 2, "", "genre 'NoSuchName' is neither"}, "Song"},
        {{"write", {"--title", cyrillic}, 1, "\tunencodable\n", lost}, "Song"},
        {{"copy-v2", {"--dry-run"}, 1, "\tunencodable\n", lost}, "Song"},
        {{"copy-v2", {"--json"}, 1, "\"status\": \"unencodable\"}", lost}, "Song"},
        {{"extract", {"--write", "--field", "Title"}, 1, "Write: unencodable", unencodable},
         "Song"},
        {{"write", {"--title", cyrillic, "--codepage", "windows-1251"}, 0, "written", ""},
         "\xC2\xE5\xF7"},
        {{"copy-v2", {"--codepage=KOI8-R"}, 0, "written", ""}, "\xF7\xC5\xDE"},
        {{"write", {"--title", cyrillic, "--lossy", "--genre", "rock"}, 0, "written", ""}, "???"},
    };
    WriteBytes(file, MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf8, cyrillic)}}) + Song);
    for (auto [step, after] : steps) {
        step.Args.push_back(file);
        ExpectStep(step);
        EXPECT_EQ(ReadBytes(file).substr(ReadBytes(file).size() - 125, after.size()), after)
            << step.Command << testing::PrintToString(step.Args);
    }
}

} // namespace
