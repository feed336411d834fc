#include "workspace/progress.h"

#include <climits>
#include <gtest/gtest.h>

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

TEST(ProgressText, JoinsPositionAndRange)
{
    EXPECT_EQ(ProgressText(3, 120), "3 / 120");
    EXPECT_EQ(ProgressText(0, 0), "0 / 0");
}

} // namespace
