#include "cli/commands.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct TRun
{
    int Status = 0;
    std::string Out;
    std::string Err;
};

TRun Ls(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    TRun run;
    run.Status = RunLsCommand(args, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

class LsCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"b.mp3", "A.MP3", "notes.txt", "S1/y.mp3", "S1/z.txt"}) {
            WriteBytes(Temp.Path() / name, "x");
        }
        WriteBytes(Temp.Path() / "\xe9t\xe9.mp3", "x"); // Latin-1 bytes, not UTF-8
        Root = Temp.Path().string() + "/";
    }

    TTempDir Temp;
    std::string Root;
};

TEST_F(LsCommandTest, ListsTheFolderByDefault)
{
    const auto run = Ls({Temp.Path().string()});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, Root + "A.MP3\n" + Root + "b.mp3\n" + Root + "\xe9t\xe9.mp3\n");
    EXPECT_EQ(run.Err, "");
}

TEST_F(LsCommandTest, RecursiveWithMaskAndEvents)
{
    const auto run = Ls({"--recursive", "--mask", "*.txt", "--events", Root});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "dir-found " + Root + "\n" +         //
                           "file " + Root + "notes.txt\n" + //
                           "dir-found " + Root + "S1/\n" +  //
                           "file " + Root + "S1/z.txt\n" +  //
                           "dir-done " + Root + "S1/\n" +   //
                           "dir-done " + Root + "\n");
}

TEST_F(LsCommandTest, MissingFolderIsNotedAndListsNothing)
{
    const auto run = Ls({"--events", Root + "gone"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "dir-found " + Root + "gone/\ndir-done " + Root + "gone/\n");
    EXPECT_EQ(run.Err.rfind("cantrel-cli ls: cannot read folder", 0), 0U) << run.Err;
}

TEST_F(LsCommandTest, UsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {}, {"--mask"}, {"--bogus", "x"}, {"a", "b"}, {"--recursive"},
    };
    for (const auto& args : cases) {
        const auto run = Ls(args);
        EXPECT_EQ(run.Status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.Err.find("Usage: cantrel-cli ls"), std::string::npos);
        EXPECT_EQ(run.Out, "");
    }
    const auto help = Ls({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("--events"), std::string::npos);
}

} // namespace
