#include "workspace/options.h"

#include <gtest/gtest.h>

namespace {

struct TBandCase
{
    const char* Rule;
    bool Warning;
    bool Exclude;
    std::int32_t BitRate;
    TBitRateVerdict Expected;
    std::int32_t Low = DefaultLowBitRate;
    std::int32_t High = DefaultHighBitRate;
};

TEST(BitRateCheck, BandIncludesBothEnds)
{
    const TBandCase cases[] = {
        {"check off takes every file", false, false, 32, TBitRateVerdict::Accept},
        {"check off ignores exclusion", false, true, 0, TBitRateVerdict::Accept},
        {"lower bound is inside", true, false, 112, TBitRateVerdict::Accept},
        {"upper bound is inside", true, false, 160, TBitRateVerdict::Accept},
        {"middle of the band", true, false, 128, TBitRateVerdict::Accept},
        {"below the band warns", true, false, 96, TBitRateVerdict::Warn},
        {"above the band warns", true, false, 161, TBitRateVerdict::Warn},
        {"unreadable file has rate 0", true, false, 0, TBitRateVerdict::Warn},
        {"below the band is excluded", true, true, 96, TBitRateVerdict::Exclude},
        {"inside the band is kept when excluding", true, true, 128, TBitRateVerdict::Accept},
        {"a reversed band flags every file", true, false, 128, TBitRateVerdict::Warn, 160, 112},
        {"a reversed band flags its ends too", true, false, 160, TBitRateVerdict::Warn, 160, 112},
    };
    for (const auto& c : cases) {
        TMainOptions options;
        options.WarningBitRate = c.Warning;
        options.ExcludeIfWarning = c.Exclude;
        options.LowBitRate = c.Low;
        options.HighBitRate = c.High;
        EXPECT_EQ(CheckBitRate(options, c.BitRate), c.Expected) << c.Rule;
        EXPECT_EQ(NeedsBitRate(options), c.Warning) << c.Rule;
    }
}

TEST(BitRateCheck, StoredBoundsDefaultOnlyWhenMissing)
{
    EXPECT_EQ(BitRateBound(-1, DefaultLowBitRate), 112);
    EXPECT_EQ(BitRateBound(0, DefaultLowBitRate), 0);
    EXPECT_EQ(BitRateBound(-2, DefaultHighBitRate), -2);
    EXPECT_EQ(BitRateBound(320, DefaultHighBitRate), 320);
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
    for (const auto& slot : paths) {
        EXPECT_EQ(slot, "..none..");
    }
}

TEST(RecentPaths, MissingStoredValues)
{
    EXPECT_EQ(RecentPathFromStore("_NONE_", true), "..none..");
    EXPECT_EQ(RecentPathFromStore("/a", false), "/a");
    EXPECT_EQ(RecentPathFromStore("", false), "");
}

} // namespace
