#pragma once

#include <vector>

// A window's or a screen's rectangle in pixels, in desktop coordinates.
struct TPlacementRect
{
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const TPlacementRect&) const = default;
};

// The stored placement of a window, made reachable on the present screens (their available
// areas). A placement on a screen that is gone, so far off every screen that its top edge
// cannot be grabbed, or larger than all screens together, moves onto the nearest screen, shrunk
// to fit when it is larger; anything else stays as it is. With no screens the placement is
// returned unchanged.
TPlacementRect PlacementOnScreens(const TPlacementRect& window,
                                  const std::vector<TPlacementRect>& screens);
