#include "workspace/error_log.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

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

TEST(ErrorLog, ClearStartsAFreshBatch)
{
    TErrorLog log;
    log.AddEntry("/m/A/", {"1.mp3"});
    log.Clear();
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(log.Count(), 0);

    // the second batch from the same folder still starts with its header
    log.AddEntry("/m/A/", {"2.mp3"});
    EXPECT_EQ(log.Lines(), (TLines{"", "/m/A/", "----", "2.mp3"}));
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

TEST(ErrorLog, PlainLinesAreNoEntries)
{
    TErrorLog log;
    log.AddLine("note");
    EXPECT_EQ(log.Lines(), TLines{"note"});
    EXPECT_EQ(log.Count(), 0);
}

TEST(ErrorLog, Captions)
{
    EXPECT_STREQ(EmptyErrorLogCaption, "Errors Found ...");
    EXPECT_EQ(BatchErrorsCaption(3), "Errors Found (files not processed correctly) :  3");
    EXPECT_EQ(BitRateWarningCaption(12), "Errors Found (BitRate Warning) :  12");
    EXPECT_EQ(BitRateFolderDoneCaption(12), "Errors Found (BitRate Warning) : 12");
}

} // namespace
