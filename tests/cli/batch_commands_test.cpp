#include "cli_run.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>

namespace {

const std::string Song = MakeMp3Stream(3) + MakeTrailer("Song", "Band", "Album", "2001", "", 1, 17);

TEST(BatchCommands, WriteAndClearReportEachFile)
{
    TTempDir dir;
    const std::string song = dir / "song.mp3";
    const std::string junk = dir / "junk.mp3";
    const std::string gone = dir / "gone.mp3";
    WriteBytes(song, Song);
    WriteBytes(junk, std::string(500, 'x'));

    TCliRun result = RunCli(RunWriteCommand, {"--artist", "New", song, junk, gone});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Out, song + "\twritten\n" + junk + "\tnot-audio\n" + gone + "\tfailed:2\n");
    EXPECT_NE(result.Err.find(junk + ": cannot write the tag: no MPEG audio"), std::string::npos);

    result = RunCli(RunClearCommand, {song, junk});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out, song + "\tcleared\n" + junk + "\tunchanged\n");
    EXPECT_EQ(ReadBytes(song), MakeMp3Stream(3));
}

TEST(BatchCommands, RenamePrintsOldNewAndStatus)
{
    TTempDir dir;
    const std::string first = dir / "first.mp3";
    const std::string second = dir / "second.mp3";
    const std::string kept = dir / "Song.mp3";
    const std::string target = dir / "Band/01 Song.mp3";
    for (const auto& path : {first, second, kept}) {
        WriteBytes(path, Song);
    }
    const std::vector<std::string> args = {"%a,t%\\%tr,t% %t,t%", first, second};

    TCliRun result = RunCli(RunRenameCommand, {"--dry-run", "--json", args[0], first, second});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Out, "[\n  {\"old\": \"" + first + "\", \"new\": \"" + target +
                              "\", \"status\": \"planned\"},\n  {\"old\": \"" + second +
                              "\", \"new\": \"" + target + "\", \"status\": \"exists\"}\n]\n");

    result = RunCli(RunRenameCommand, args);
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Out,
              first + "\t" + target + "\trenamed\n" + second + "\t" + target + "\texists\n");
    EXPECT_EQ(ReadBytes(second), Song);

    result = RunCli(RunRenameCommand, {"--limit-64", "%t,t%", kept, first});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Out, kept + "\t" + kept + "\tunchanged\n" + first + "\t" +
                              dir / "[not found: first.mp3].mp3\tfailed:2\n");
}

TEST(BatchCommands, CopyV2ReportsEachFile)
{
    TTempDir dir;
    const char* given = std::getenv("XDG_STATE_HOME");
    const std::string stateHome = given != nullptr ? given : "";
    setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1); // this test's own journal
    const std::string tagged = dir / "tagged.mp3";
    const std::string plain = dir / "plain.mp3";
    const std::string junk = dir / "junk.mp3";
    const std::string id3v2 =
        MakeId3v2Tag(4, {{"TIT2", TextBody(TId3v2Encoding::Utf8, "Zwei")}}, {.Padding = 20});
    WriteBytes(tagged, id3v2 + Song);
    WriteBytes(plain, Song);
    WriteBytes(junk, id3v2 + std::string(500, 'x'));
    const std::vector<std::string> files = {tagged, plain, junk};

    TCliRun result = RunCli(RunCopyV2Command, {"--dry-run", "--json", tagged, plain});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out, "[\n  {\"file\": \"" + tagged +
                              "\", \"status\": \"planned\"},\n  {\"file\": \"" + plain +
                              "\", \"status\": \"no-id3v2\"}\n]\n");
    EXPECT_EQ(ReadBytes(tagged), id3v2 + Song);

    result = RunCli(RunCopyV2Command, files);
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Out, tagged + "\twritten\n" + plain + "\tno-id3v2\n" + junk + "\tnot-audio\n");
    EXPECT_EQ(ReadBytes(tagged),
              id3v2 + MakeMp3Stream(3) + MakeTrailer("Zwei", "Band", "Album", "2001", "", 1, 17));
    EXPECT_EQ(RunCli(RunCopyV2Command, {tagged}).Out, tagged + "\tunchanged\n");
    // the copy was journaled: an undo puts the file back as it was
    EXPECT_EQ(RunCli(RunUndoCommand, {}).Status, 0);
    EXPECT_EQ(ReadBytes(tagged), id3v2 + Song);
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

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
