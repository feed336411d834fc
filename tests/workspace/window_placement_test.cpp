#include "workspace/window_placement.h"

#include <climits>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

void PrintTo(const TPlacementRect& r, std::ostream* out)
{
    *out << r.Left << "," << r.Top << " " << r.Width << "x" << r.Height;
}

namespace {

const TPlacementRect Laptop{0, 0, 1366, 740};
const TPlacementRect RightMonitor{1366, 0, 1920, 1050};

struct TPlacementCase
{
    const char* Rule;
    TPlacementRect Window;
    std::vector<TPlacementRect> Screens;
    TPlacementRect Expected;
};

TEST(PlacementOnScreens, KeepsReachableWindowsAndRecoversLostOnes)
{
    const TPlacementCase cases[] = {
        {"a window on the screen stays", {100, 80, 600, 530}, {Laptop}, {100, 80, 600, 530}},
        {"a window on the second monitor stays while it is there",
         {2000, 100, 600, 530},
         {Laptop, RightMonitor},
         {2000, 100, 600, 530}},
        {"a window of a monitor that is gone comes to the nearest screen",
         {2000, 100, 600, 530},
         {Laptop},
         {766, 100, 600, 530}},
        {"a window hanging off the right edge but grabbable stays",
         {1300, 100, 600, 530},
         {Laptop},
         {1300, 100, 600, 530}},
        {"a window with a sliver left on screen comes back",
         {1340, 100, 600, 530},
         {Laptop},
         {766, 100, 600, 530}},
        {"a title bar above the screen comes down",
         {100, -50, 600, 530},
         {Laptop},
         {100, 0, 600, 530}},
        {"a top edge at the screen's bottom comes up",
         {100, 730, 600, 530},
         {Laptop},
         {100, 210, 600, 530}},
        {"a lost window larger than the screen is shrunk to it",
         {-5000, -5000, 3000, 2000},
         {Laptop},
         {0, 0, 1366, 740}},
        {"without screens nothing moves", {-5000, 10, 600, 530}, {}, {-5000, 10, 600, 530}},
        {"a reachable window larger than every screen is shrunk to its screen",
         {0, 0, 100000, 90000},
         {Laptop},
         {0, 0, 1366, 740}},
        {"the largest stored numbers come back without overflowing",
         {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
         {Laptop, RightMonitor},
         {1366, 0, 1920, 1050}},
        {"the smallest stored numbers come back too",
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         {Laptop},
         {0, 0, 1366, 740}},
    };
    for (const TPlacementCase& c : cases) {
        EXPECT_EQ(PlacementOnScreens(c.Window, c.Screens), c.Expected) << c.Rule;
    }
}

} // namespace
