#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>

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
    WriteBytes(song, Song);
    // in order: the command, its arguments, its status, what its output holds
    const std::tuple<TCliCommand, std::vector<std::string>, int, std::string> steps[] = {
        {RunUndoCommand, {}, 2, ""},
        {RunWriteCommand, {"--title", "New", song}, 0, "written"},
        {RunRenameCommand, {"%a,t%\\%t,t%", song}, 0, "renamed"},
        {RunUndoCommand, {"--list"}, 0, "\trename\t1\n1\t"},
        {RunUndoCommand,
         {"--dry-run", "--json"},
         0,
         "[\n  {\"path\": \"" + moved + "\", \"old\": \"" + song +
             "\", \"status\": \"would-undo\"}\n]\n"},
        {RunUndoCommand, {}, 0, moved + "\t" + song + "\tundone\n"},
        {RunUndoCommand, {"1", "--json", "--dry-run"}, 0, "would-undo"},
        {RunWriteCommand, {"--title", "Later", song}, 0, "written"},
        {RunUndoCommand, {"1"}, 1, song + "\t" + song + "\tchanged\n"},
        {RunUndoCommand, {"99"}, 2, ""},
        {RunUndoCommand, {"--list", "3"}, 2, ""},
    };
    for (const auto& [command, args, status, out] : steps) {
        const TCliRun result = RunCli(command, args);
        EXPECT_EQ(result.Status, status) << testing::PrintToString(args);
        EXPECT_NE(result.Out.find(out), std::string::npos) << result.Out;
    }
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

} // namespace
