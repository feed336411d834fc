#include "workspace/batch_report.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct TBarCase
{
    const char* Rule;
    int FrameWidth;
    int Position;
    int Range;
    int Expected;
};

TEST(ProgressBarWidth, FollowsPositionOfRange)
{
    const TBarCase cases[] = {
        {"a quarter truncates 112.25", 457, 1, 4, 112},
        {"nothing done is an empty bar", 457, 0, 4, 0},
        {"all done fills the inside of the frame", 457, 4, 4, 449},
        {"range 0 is a full bar", 457, 0, 0, 449},
        {"a position past the range stays inside the frame", 457, 5, 4, 449},
        {"a negative position is an empty bar", 457, -1, 4, 0},
        {"a frame narrower than its borders has no bar", 6, 1, 1, 0},
        {"a long batch does not overflow", 457, INT_MAX - 1, INT_MAX, 448},
    };
    for (const TBarCase& c : cases) {
        EXPECT_EQ(ProgressBarWidth(c.FrameWidth, c.Position, c.Range), c.Expected) << c.Rule;
    }
}

using TLines = std::vector<std::string>;

struct TEntry
{
    std::string Folder;
    TLines Lines;
};

struct TLogCase
{
    const char* Rule;
    std::vector<TEntry> Entries;
    TLines Expected;
};

TEST(ErrorLog, HeadersComeWithEachNewFolder)
{
    const TLogCase cases[] = {
        {"two files in A and one in B",
         {{"/m/A/", {"1.mp3"}}, {"/m/A/", {"2.mp3"}}, {"/m/B/", {"3.mp3"}}},
         {"", "/m/A/", "----", "1.mp3", "2.mp3", "", "/m/B/", "----", "3.mp3"}},
        {"a folder seen before gets a header again after another one",
         {{"/m/A/", {"1.mp3"}}, {"/m/B/", {"2.mp3"}}, {"/m/A/", {"3.mp3"}}},
         {"", "/m/A/", "----", "1.mp3", "", "/m/B/", "----", "2.mp3", "", "/m/A/", "----",
          "3.mp3"}},
        {"an entry may have several lines",
         {{"/m/A/", {"a very long new name.mp3", "87"}}},
         {"", "/m/A/", "----", "a very long new name.mp3", "87"}},
        {"an empty folder writes no header",
         {{"", {"1.mp3"}}, {"", {"2.mp3"}}},
         {"1.mp3", "2.mp3"}},
        {"folders differing only in case are different folders",
         {{"/m/a/", {"1.mp3"}}, {"/m/A/", {"2.mp3"}}},
         {"", "/m/a/", "----", "1.mp3", "", "/m/A/", "----", "2.mp3"}}};
    for (const TLogCase& c : cases) {
        TErrorLog log;
        for (const TEntry& entry : c.Entries) {
            log.AddEntry(entry.Folder, entry.Lines);
        }
        EXPECT_EQ(log.Lines(), c.Expected) << c.Rule;
        EXPECT_EQ(log.Count(), static_cast<int>(c.Entries.size())) << c.Rule;
    }
}

TEST(ErrorLog, ClearStartsAFreshBatchAndPlainLinesAreNoEntries)
{
    TErrorLog log;
    log.AddEntry("/m/A/", {"1.mp3"});
    log.Clear();
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(log.Count(), 0);

    // the second batch from the same folder still starts with its header
    log.AddEntry("/m/A/", {"2.mp3"});
    log.AddLine("note");
    EXPECT_EQ(log.Lines(), (TLines{"", "/m/A/", "----", "2.mp3", "note"}));
    EXPECT_EQ(log.Count(), 1);
}

TEST(ErrorLog, BitRateWarningsHaveNoHeader)
{
    TErrorLog log;
    log.AddBitRateWarning("/m/A/", "x.mp3", 96);
    log.AddBitRateWarning("/m/A/", "y.mp3", 320);
    EXPECT_EQ(log.Lines(), (TLines{"", "/m/A/", "x.mp3", " BitRate : 96", "", "/m/A/", "y.mp3",
                                   " BitRate : 320"}));
    EXPECT_EQ(log.Count(), 2);

    // an entry after the warnings still gets its folder's header
    log.AddEntry("/m/A/", {"z.mp3"});
    EXPECT_EQ(log.Lines().back(), "z.mp3");
    EXPECT_EQ(log.Lines()[log.Lines().size() - 2], "----");
}

TEST(ErrorLog, FailuresAreGroupedUnderTheirFolders)
{
    TErrorLog log;
    log.AddFailures({FailureFromCode("/m/A/1.mp3", 13, "cannot write"),
                     FailureFromReason("/m/A/2.mp3", TFailureReason::Other, ""),
                     FailureFromCode("/m/B/3.mp3", -1, "cannot read")});
    // the reason follows the name on a line of its own; an empty reason adds no line
    EXPECT_EQ(log.Lines(),
              (TLines{"", "/m/A/", "----", "1.mp3", ErrorText("cannot write", 13), "2.mp3", "",
                      "/m/B/", "----", "3.mp3", "cannot read: file not found"}));
    EXPECT_EQ(log.Count(), 3);
}

} // namespace
