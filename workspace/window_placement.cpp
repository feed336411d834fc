#include "workspace/window_placement.h"

#include <algorithm>
#include <limits>

namespace {

// How much of a window must lie on a screen for the user to grab and move it: a piece of its
// top edge this wide, and the top edge this far above the screen's bottom.
constexpr int GrabWidth = 64;
constexpr int GrabHeight = 32;

int Overlap(int begin1, int length1, int begin2, int length2)
{
    const long long begin = std::max<long long>(begin1, begin2);
    const long long end = std::min<long long>(static_cast<long long>(begin1) + length1,
                                              static_cast<long long>(begin2) + length2);
    return static_cast<int>(std::max(end - begin, 0LL));
}

bool Reachable(const TPlacementRect& window, const TPlacementRect& screen)
{
    const int width = Overlap(window.Left, window.Width, screen.Left, screen.Width);
    const long long lowestTop = static_cast<long long>(screen.Top) + screen.Height - GrabHeight;
    return width >= std::min(window.Width, GrabWidth) && window.Top >= screen.Top &&
           window.Top <= lowestTop;
}

// Distance along one axis from a point to a range (0 inside it).
long long AxisDistance(long long point, int begin, int length)
{
    if (point < begin) {
        return begin - point;
    }
    const long long end = static_cast<long long>(begin) + length;
    return point > end ? point - end : 0;
}

const TPlacementRect& NearestScreen(const TPlacementRect& window,
                                    const std::vector<TPlacementRect>& screens)
{
    const long long centreX = window.Left + static_cast<long long>(window.Width) / 2;
    const long long centreY = window.Top + static_cast<long long>(window.Height) / 2;
    const TPlacementRect* nearest = &screens.front();
    long long best = std::numeric_limits<long long>::max();
    for (const TPlacementRect& screen : screens) {
        const long long dx = AxisDistance(centreX, screen.Left, screen.Width);
        const long long dy = AxisDistance(centreY, screen.Top, screen.Height);
        const long long distance = dx * dx + dy * dy;
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    return *nearest;
}

} // namespace

TPlacementRect PlacementOnScreens(const TPlacementRect& window,
                                  const std::vector<TPlacementRect>& screens)
{
    if (screens.empty()) {
        return window;
    }
    for (const TPlacementRect& screen : screens) {
        if (Reachable(window, screen)) {
            return window;
        }
    }
    const TPlacementRect& screen = NearestScreen(window, screens);
    TPlacementRect moved;
    moved.Width = std::min(window.Width, screen.Width);
    moved.Height = std::min(window.Height, screen.Height);
    moved.Left = std::clamp(window.Left, screen.Left, screen.Left + screen.Width - moved.Width);
    moved.Top = std::clamp(window.Top, screen.Top, screen.Top + screen.Height - moved.Height);
    return moved;
}
