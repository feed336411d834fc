#include "workspace/batch_report.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The log's lines, each ended by "|".
std::string Text(const TErrorLog& log)
{
    std::string text;
    for (const std::string& line : log.Lines()) {
        text += line + "|";
    }
    return text;
}

// One log through three batches.
TEST(ErrorLog, HeadersComeWithEachNewFolder)
{
    TErrorLog log;
    log.AddEntry("", {"0.mp3"});            // no folder, no header
    log.AddEntry("/m/A/", {"1.mp3"});       // one header for the files of a folder in a row
    log.AddEntry("/m/A/", {"2.mp3", "87"}); // an entry of several lines
    log.AddEntry("/m/a/", {"3.mp3"});       // folders differing in case are different folders
    log.AddEntry("/m/A/", {"4.mp3"});       // a folder seen before gets a header again
    log.AddLine("note");                    // a plain line is no entry
    EXPECT_EQ(Text(log),
              "0.mp3||/m/A/|----|1.mp3|2.mp3|87||/m/a/|----|3.mp3||/m/A/|----|4.mp3|note|");
    EXPECT_EQ(log.Count(), 5);

    // a fresh batch from the same folder starts with its header; bit-rate warnings have none,
    // and an entry after them gets its folder's header again
    log.Clear();
    log.AddEntry("/m/A/", {"5.mp3"});
    log.AddBitRateWarning("/m/A/", "x.mp3", 96);
    log.AddBitRateWarning("/m/A/", "y.mp3", 320);
    log.AddEntry("/m/A/", {"z.mp3"});
    EXPECT_EQ(Text(log), "|/m/A/|----|5.mp3||/m/A/|x.mp3| BitRate : 96||/m/A/|y.mp3| BitRate : "
                         "320||/m/A/|----|z.mp3|");
    EXPECT_EQ(log.Count(), 4);

    // a failure's reason follows its name on a line of its own; an empty reason adds no line
    log.Clear();
    log.AddFailures({FailureFromCode("/m/A/1.mp3", 13, "cannot write"),
                     FailureFromReason("/m/A/2.mp3", TFailureReason::Other, ""),
                     FailureFromCode("/m/B/3.mp3", -1, "cannot read")});
    EXPECT_EQ(Text(log), "|/m/A/|----|1.mp3|" + ErrorText("cannot write", 13) +
                             "|2.mp3||/m/B/|----|3.mp3|cannot read: file not found|");
    EXPECT_EQ(log.Count(), 3);
}

} // namespace
