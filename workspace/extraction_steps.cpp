#include "workspace/extraction_steps.h"

#include <algorithm>

std::optional<int> StepTarget(bool wholePathMode, std::size_t listed,
                              const std::vector<int>& selectedRows, int shown, bool forward)
{
    if (wholePathMode) {
        if (listed == 0 || shown < 0) {
            return std::nullopt;
        }
        const int last = static_cast<int>(listed) - 1;
        return std::clamp(shown + (forward ? 1 : -1), 0, last);
    }
    std::optional<int> target;
    for (int row : selectedRows) {
        if (forward && row > shown && (!target || row < *target)) {
            target = row;
        } else if (!forward && row < shown && (!target || row > *target)) {
            target = row;
        }
    }
    return target;
}

int StepCounterAfter(int counter, int toProcess, bool forward)
{
    return forward ? std::min(counter + 1, toProcess) : std::max(counter - 1, 1);
}
