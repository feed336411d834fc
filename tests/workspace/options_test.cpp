#include "workspace/options.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(BitRateCheck, BandIncludesBothEnds)
{
    using enum TBitRateVerdict;
    // rule, warning on, exclude, bit rate, the band 160..112 instead of 112..160, verdict
    const std::tuple<const char*, bool, bool, std::int32_t, bool, TBitRateVerdict> cases[] = {
        {"check off takes every file", false, false, 32, false, Accept},
        {"check off ignores exclusion", false, true, 0, false, Accept},
        {"lower bound is inside", true, false, 112, false, Accept},
        {"upper bound is inside", true, false, 160, false, Accept},
        {"below the band warns", true, false, 96, false, Warn},
        {"above the band warns", true, false, 161, false, Warn},
        {"unreadable file has rate 0", true, false, 0, false, Warn},
        {"below the band is excluded", true, true, 96, false, Exclude},
        {"inside the band is kept when excluding", true, true, 128, false, Accept},
        {"a reversed band flags every file", true, false, 128, true, Warn},
        {"a reversed band flags its ends too", true, false, 160, true, Warn},
    };
    for (const auto& [rule, warning, exclude, bitRate, reversed, verdict] : cases) {
        TMainOptions options;
        options.WarningBitRate = warning;
        options.ExcludeIfWarning = exclude;
        options.LowBitRate = reversed ? DefaultHighBitRate : DefaultLowBitRate;
        options.HighBitRate = reversed ? DefaultLowBitRate : DefaultHighBitRate;
        EXPECT_EQ(CheckBitRate(options, bitRate), verdict) << rule;
        EXPECT_EQ(NeedsBitRate(options), warning) << rule;
    }
    // a stored bound takes its default only when it is missing
    EXPECT_EQ(BitRateBound(-1, DefaultLowBitRate), 112);
    EXPECT_EQ(BitRateBound(0, DefaultLowBitRate), 0);
    EXPECT_EQ(BitRateBound(-2, DefaultHighBitRate), -2);
}

TRecentPaths Filled(int count)
{
    TRecentPaths paths = EmptyRecentPaths();
    for (int i = count - 1; i >= 0; --i) {
        AddRecentPath(paths, "/music/" + std::to_string(i));
    }
    return paths;
}

TEST(RecentPaths, NewFoldersGoInFrontKnownOnesStay)
{
    TRecentPaths paths = Filled(3);
    EXPECT_TRUE(AddRecentPath(paths, "/new"));
    EXPECT_EQ(paths[0], "/new");
    EXPECT_EQ(paths[3], "/music/2");
    EXPECT_EQ(paths[4], "..none..");

    const TRecentPaths before = paths;
    EXPECT_FALSE(AddRecentPath(paths, "/music/2")) << "a known folder stays where it is";
    EXPECT_EQ(paths, before);
    EXPECT_TRUE(AddRecentPath(paths, "/MUSIC/2")) << "the comparison is case-sensitive";
    EXPECT_EQ(paths[0], "/MUSIC/2");

    paths = Filled(10);
    EXPECT_TRUE(AddRecentPath(paths, "/eleventh"));
    EXPECT_EQ(paths[0], "/eleventh");
    EXPECT_EQ(paths[9], "/music/8") << "the oldest is pushed out";

    ClearRecentPaths(paths);
    EXPECT_EQ(paths, EmptyRecentPaths());
    EXPECT_EQ(RecentPathFromStore("_NONE_", true), "..none..");
    EXPECT_EQ(RecentPathFromStore("/a", false), "/a");
}

} // namespace
