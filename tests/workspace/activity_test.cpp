#include "workspace/activity.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(Activity, ACommandIsRefusedWhileAnotherRuns)
{
    TActivity activity;
    std::vector<TActivityKind> changes;
    activity.OnChanged([&](TActivityKind kind) { changes.push_back(kind); });
    bool inner = false;
    bool refused = false;
    EXPECT_TRUE(activity.Run(TActivityKind::Scanning, [&] {
        EXPECT_TRUE(activity.Busy());
        refused = !activity.Run(TActivityKind::Batch, [&] { inner = true; });
        refused = refused && !activity.Run(TActivityKind::Scanning, [&] { inner = true; });
    }));
    EXPECT_TRUE(refused);
    EXPECT_FALSE(inner);
    EXPECT_FALSE(activity.Busy());
    EXPECT_EQ(changes, (std::vector{TActivityKind::Scanning, TActivityKind::Idle}));
}

TEST(Activity, TheLatestRequestIsTakenUpOnce)
{
    TActivity activity;
    int runs = 0;
    int nested = 0;
    const auto display = [&] {
        ++runs;
        if (runs == 1) {
            // two requests while the first runs: coalesced into one more run, never nested
            nested += activity.RunLatest(TActivityKind::Analysing, [] {}) ? 1 : 0;
            nested += activity.RunLatest(TActivityKind::Analysing, [] {}) ? 1 : 0;
        }
    };
    EXPECT_TRUE(activity.RunLatest(TActivityKind::Analysing, display));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(nested, 0);

    // a display request inside a scan runs at once, nested, and leaves the scan running
    runs = 0;
    activity.Run(TActivityKind::Scanning, [&] {
        EXPECT_TRUE(activity.RunLatest(TActivityKind::Analysing, [&] { ++runs; }));
        EXPECT_EQ(activity.State(), TActivityKind::Scanning);
    });
    EXPECT_EQ(runs, 1);
}

TEST(Activity, AStopWaitsForTheJobsToReturn)
{
    TActivity activity;
    std::string trace;
    activity.StopThen([&] { trace += "idle-now;"; });
    activity.Run(TActivityKind::Scanning, [&] {
        activity.RunLatest(TActivityKind::Analysing, [&] {
            activity.StopThen([&] { trace += "closed;"; });
            EXPECT_TRUE(activity.StopRequested());
        });
        trace += "scan-ends;";
    });
    EXPECT_EQ(trace, "idle-now;scan-ends;closed;");
    EXPECT_FALSE(activity.StopRequested());
}

} // namespace
