#include "workspace/bit_rate_check.h"

#include <gtest/gtest.h>

namespace {

struct TBandCase
{
    const char* Rule;
    bool Warning;
    bool Exclude;
    std::int32_t BitRate;
    TBitRateVerdict Expected;
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
    };
    for (const auto& c : cases) {
        TMainOptions options;
        options.WarningBitRate = c.Warning;
        options.ExcludeIfWarning = c.Exclude;
        EXPECT_EQ(CheckBitRate(options, c.BitRate), c.Expected) << c.Rule;
        EXPECT_EQ(NeedsBitRate(options), c.Warning) << c.Rule;
    }
}

TEST(BitRateCheck, ReversedBandFlagsEveryFile)
{
    TMainOptions options;
    options.WarningBitRate = true;
    options.LowBitRate = 160;
    options.HighBitRate = 112;
    EXPECT_EQ(CheckBitRate(options, 128), TBitRateVerdict::Warn);
    EXPECT_EQ(CheckBitRate(options, 160), TBitRateVerdict::Warn);
}

TEST(BitRateCheck, StoredBoundsDefaultOnlyWhenMissing)
{
    EXPECT_EQ(BitRateBound(-1, DefaultLowBitRate), 112);
    EXPECT_EQ(BitRateBound(-1, DefaultHighBitRate), 160);
    EXPECT_EQ(BitRateBound(0, DefaultLowBitRate), 0);
    EXPECT_EQ(BitRateBound(-2, DefaultHighBitRate), -2);
    EXPECT_EQ(BitRateBound(320, DefaultHighBitRate), 320);
}

} // namespace
