#include "workspace/window_placement.h"

#include <climits>
#include <gtest/gtest.h>
#include <ostream>
#include <tuple>
#include <vector>

void PrintTo(const TPlacementRect& r, std::ostream* out)
{
    *out << r.Left << "," << r.Top << " " << r.Width << "x" << r.Height;
}

namespace {

TEST(PlacementOnScreens, KeepsReachableWindowsAndRecoversLostOnes)
{
    using R = TPlacementRect;
    const R laptop{0, 0, 1366, 740};
    const R right{1366, 0, 1920, 1050}; // a second monitor right of the laptop
    const std::vector<R> one{laptop};
    const std::vector<R> two{laptop, right};
    const R home{766, 100, 600, 530}; // where a lost window at y 100 comes back to
    const std::tuple<const char*, R, std::vector<R>, R> cases[] = {
        {"on the screen: stays", {100, 80, 600, 530}, one, {100, 80, 600, 530}},
        {"on the second monitor: stays", {2000, 100, 600, 530}, two, {2000, 100, 600, 530}},
        {"its monitor gone: to the nearest screen", {2000, 100, 600, 530}, one, home},
        {"off the right edge, grabbable: stays", {1300, 100, 600, 530}, one, {1300, 100, 600, 530}},
        {"a sliver left on screen: back", {1340, 100, 600, 530}, one, home},
        {"title bar above the screen: down", {100, -50, 600, 530}, one, {100, 0, 600, 530}},
        {"top edge at the screen's bottom: up", {100, 730, 600, 530}, one, {100, 210, 600, 530}},
        {"lost and larger than the screen: shrunk", {-5000, -5000, 3000, 2000}, one, laptop},
        {"without screens nothing moves", {-5000, 10, 600, 530}, {}, {-5000, 10, 600, 530}},
        {"reachable, larger than every screen: shrunk", {0, 0, 100000, 90000}, one, laptop},
        {"largest stored numbers, no overflow", {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, two, right},
        {"smallest stored numbers too", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, one, laptop},
    };
    for (const auto& [rule, window, screens, expected] : cases) {
        EXPECT_EQ(PlacementOnScreens(window, screens), expected) << rule;
    }
}

TEST(FirstPlacement, BesideTheOpenerWhenThereIsRoomElseCentred)
{
    using R = TPlacementRect;
    const R screen{0, 0, 1920, 1080};
    const R right{1920, 0, 1280, 1024};
    const std::tuple<const char*, std::optional<R>, std::vector<R>, R> cases[] = {
        {"room on the right", R{100, 50, 860, 640}, {screen}, {960, 50, 560, 380}},
        {"no room on the right: left", R{1000, 50, 860, 640}, {screen}, {440, 50, 560, 380}},
        {"no room either side: centred", R{300, 50, 1400, 640}, {screen}, {680, 350, 560, 380}},
        {"opener too low: moved up", R{100, 900, 860, 640}, {screen}, {960, 700, 560, 380}},
        {"opener on the second screen",
         R{2000, 10, 600, 500},
         {screen, right},
         {2600, 10, 560, 380}},
        {"no opener: centred on the first", std::nullopt, {screen, right}, {680, 350, 560, 380}},
        {"no screens: at the origin", std::nullopt, {}, {0, 0, 560, 380}},
        {"larger than the screen: shrunk", std::nullopt, {R{0, 0, 500, 300}}, {0, 0, 500, 300}},
    };
    for (const auto& [rule, opener, screens, expected] : cases) {
        EXPECT_EQ(FirstPlacement(560, 380, opener, screens), expected) << rule;
    }
}

} // namespace
