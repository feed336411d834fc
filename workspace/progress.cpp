#include "workspace/progress.h"

#include <algorithm>

std::string ProgressText(int position, int range)
{
    return std::to_string(position) + " / " + std::to_string(range);
}

int ProgressBarWidth(int frameWidth, int position, int range)
{
    const long long inner = std::max(frameWidth - 8, 0);
    if (range == 0) {
        return static_cast<int>(inner);
    }
    // 64-bit so that a long batch on a wide frame cannot overflow; the clamp keeps the bar
    // inside its frame for a position past the range or below 0
    const long long width = inner * position / range;
    return static_cast<int>(std::clamp(width, 0LL, inner));
}
