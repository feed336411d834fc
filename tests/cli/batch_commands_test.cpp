#include "cli/commands.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using TCommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct TCliResult
{
    int Status;
    std::string Out;
    std::string Err;
};

TCliResult RunCli(TCommand command, const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string Song = MakeMp3Stream(3) + MakeTrailer("Song", "Band", "Album", "2001", "", 1, 17);

TEST(BatchCommands, UsageErrorsTouchNothing)
{
    const struct
    {
        TCommand Command;
        std::vector<std::string> Args;
        std::string Message;
    } cases[] = {
        {RunWriteCommand, {"--artist"}, "cantrel-cli write: option '--artist' needs a value"},
        {RunWriteCommand, {"FILE"}, "cantrel-cli write: no field given: nothing to write"},
        {RunWriteCommand, {"--bogus", "FILE"}, "cantrel-cli write: unknown option '--bogus'"},
        {RunClearCommand, {}, "cantrel-cli clear: no file given"},
        {RunClearCommand, {"--bogus", "FILE"}, "cantrel-cli clear: unknown option '--bogus'"},
        {RunRenameCommand, {"%t%"}, "cantrel-cli rename: FILE missing"},
        {RunRenameCommand,
         {"--bogus", "%t%", "FILE"},
         "cantrel-cli rename: unknown option '--bogus'"},
    };
    for (const auto& c : cases) {
        const TCliResult result = RunCli(c.Command, c.Args);
        EXPECT_EQ(result.Status, 2) << c.Message;
        EXPECT_EQ(result.Out, "") << c.Message;
        EXPECT_EQ(result.Err.rfind(c.Message, 0), 0u) << result.Err;
        EXPECT_EQ(RunCli(c.Command, {"--help"}).Status, 0) << c.Message;
    }
}

TEST(BatchCommands, WriteAndClearReportEachFile)
{
    TTempDir dir;
    const std::string song = dir / "song.mp3";
    const std::string junk = dir / "junk.mp3";
    const std::string gone = dir / "gone.mp3";
    WriteBytes(song, Song);
    WriteBytes(junk, std::string(500, 'x'));

    TCliResult result = RunCli(RunWriteCommand, {"--artist", "New", song, junk, gone});
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

    TCliResult result = RunCli(RunRenameCommand, {"--dry-run", "--json", args[0], first, second});
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

} // namespace
