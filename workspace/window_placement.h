#pragma once

#include <optional>
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

// Where a window of this size opens when it has no stored place: beside `opener` (the window it
// is opened from), right of it or else left of it, when it fits there on the opener's screen;
// otherwise centred on that screen (the first screen without an opener). Never off the screen,
// so its title bar and close box can always be reached.
TPlacementRect FirstPlacement(int width, int height, const std::optional<TPlacementRect>& opener,
                              const std::vector<TPlacementRect>& screens);
