#include "workspace/activity.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// One guard through a session: a refused command, coalesced display requests, a stop.
TEST(Activity, OneCommandAtATimeDisplaysCoalescedStopsAfterTheJobs)
{
    TActivity activity;
    std::vector<TActivityKind> changes;
    activity.OnChanged([&](TActivityKind kind) { changes.push_back(kind); });
    int inner = 0;
    EXPECT_TRUE(activity.Run(TActivityKind::Scanning, [&] {
        EXPECT_TRUE(activity.Busy());
        EXPECT_FALSE(activity.Run(TActivityKind::Batch, [&] { ++inner; }));
        EXPECT_FALSE(activity.Run(TActivityKind::Scanning, [&] { ++inner; }));
    }));
    EXPECT_EQ(inner, 0);
    EXPECT_FALSE(activity.Busy());
    EXPECT_EQ(changes, (std::vector{TActivityKind::Scanning, TActivityKind::Idle}));

    // two requests while a display runs: coalesced into one more run, never nested
    int runs = 0;
    int nested = 0;
    const auto display = [&] {
        if (++runs == 1) {
            nested += activity.RunLatest(TActivityKind::Analysing, [] {}) ? 1 : 0;
            nested += activity.RunLatest(TActivityKind::Analysing, [] {}) ? 1 : 0;
        }
    };
    EXPECT_TRUE(activity.RunLatest(TActivityKind::Analysing, display));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(nested, 0);

    // a display request inside a scan runs at once, nested, and leaves the scan running; a stop
    // waits for the jobs to return
    std::string trace;
    activity.StopThen([&] { trace += "idle-now;"; });
    activity.Run(TActivityKind::Scanning, [&] {
        EXPECT_TRUE(activity.RunLatest(TActivityKind::Analysing, [&] {
            trace += "display;";
            activity.StopThen([&] { trace += "closed;"; });
            EXPECT_TRUE(activity.StopRequested());
        }));
        EXPECT_EQ(activity.State(), TActivityKind::Scanning);
        trace += "scan-ends;";
    });
    EXPECT_EQ(trace, "idle-now;display;scan-ends;closed;");
    EXPECT_FALSE(activity.StopRequested());
}

} // namespace
