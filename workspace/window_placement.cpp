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

// Larger than all screens together (a damaged store): the window's far edges could never be
// reached.
bool LargerThanDesktop(const TPlacementRect& window, const std::vector<TPlacementRect>& screens)
{
    long long left = screens.front().Left;
    long long top = screens.front().Top;
    long long right = left + screens.front().Width;
    long long bottom = top + screens.front().Height;
    for (const TPlacementRect& screen : screens) {
        left = std::min<long long>(left, screen.Left);
        top = std::min<long long>(top, screen.Top);
        right = std::max(right, static_cast<long long>(screen.Left) + screen.Width);
        bottom = std::max(bottom, static_cast<long long>(screen.Top) + screen.Height);
    }
    return window.Width > right - left || window.Height > bottom - top;
}

// Distance along one axis from a point to a range (0 inside it); a double, so that squaring the
// distances of stored values near the integer limits cannot overflow.
double AxisDistance(long long point, int begin, int length)
{
    if (point < begin) {
        return static_cast<double>(begin - point);
    }
    const long long end = static_cast<long long>(begin) + length;
    return point > end ? static_cast<double>(point - end) : 0.0;
}

const TPlacementRect& NearestScreen(const TPlacementRect& window,
                                    const std::vector<TPlacementRect>& screens)
{
    const long long centreX = window.Left + static_cast<long long>(window.Width) / 2;
    const long long centreY = window.Top + static_cast<long long>(window.Height) / 2;
    const TPlacementRect* nearest = &screens.front();
    double best = std::numeric_limits<double>::max();
    for (const TPlacementRect& screen : screens) {
        const double dx = AxisDistance(centreX, screen.Left, screen.Width);
        const double dy = AxisDistance(centreY, screen.Top, screen.Height);
        const double distance = dx * dx + dy * dy;
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
    if (!LargerThanDesktop(window, screens)) {
        for (const TPlacementRect& screen : screens) {
            if (Reachable(window, screen)) {
                return window;
            }
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

TPlacementRect FirstPlacement(int width, int height, const std::optional<TPlacementRect>& opener,
                              const std::vector<TPlacementRect>& screens)
{
    if (screens.empty()) {
        return {0, 0, width, height};
    }
    const TPlacementRect& screen = opener ? NearestScreen(*opener, screens) : screens.front();
    TPlacementRect placed{0, 0, std::min(width, screen.Width), std::min(height, screen.Height)};
    const long long screenRight = static_cast<long long>(screen.Left) + screen.Width;
    const int lowestTop = screen.Top + screen.Height - placed.Height;
    if (opener) {
        const long long right = static_cast<long long>(opener->Left) + opener->Width;
        placed.Top = std::clamp(opener->Top, screen.Top, lowestTop);
        if (right + placed.Width <= screenRight) {
            placed.Left = static_cast<int>(right);
            return placed;
        }
        if (static_cast<long long>(opener->Left) - placed.Width >= screen.Left) {
            placed.Left = opener->Left - placed.Width;
            return placed;
        }
    }
    placed.Left = screen.Left + (screen.Width - placed.Width) / 2;
    placed.Top = screen.Top + (screen.Height - placed.Height) / 2;
    return placed;
}
