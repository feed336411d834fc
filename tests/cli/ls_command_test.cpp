#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(LsCommand, ListsWhatAScanReports)
{
    TTempDir temp;
    for (const char* name : {"b.mp3", "A.MP3", "notes.txt", "S1/y.mp3", "S1/z.txt"}) {
        WriteBytes(temp.Path() / name, "x");
    }
    WriteBytes(temp.Path() / "\xe9t\xe9.mp3", "x"); // Latin-1 bytes, not UTF-8
    const std::string root = temp.Path().string() + "/";

    TCliRun run = RunCli(RunLsCommand, {temp.Path().string()});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, root + "A.MP3\n" + root + "b.mp3\n" + root + "\xe9t\xe9.mp3\n");
    EXPECT_EQ(run.Err, "");

    run = RunCli(RunLsCommand, {"--recursive", "--mask", "*.txt", "--events", root});
    EXPECT_EQ(run.Out, "dir-found " + root + "\nfile " + root + "notes.txt\ndir-found " + root +
                           "S1/\nfile " + root + "S1/z.txt\ndir-done " + root + "S1/\ndir-done " +
                           root + "\n");

    run = RunCli(RunLsCommand, {"--events", root + "gone"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "dir-found " + root + "gone/\ndir-done " + root + "gone/\n");
    EXPECT_EQ(run.Err.rfind("cantrel-cli ls: cannot read folder", 0), 0U) << run.Err;
    run = RunCli(RunLsCommand, {root + "b.mp3"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.rfind("cantrel-cli ls: cannot read folder", 0), 0U) << run.Err;
}

} // namespace
