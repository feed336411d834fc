#include "workspace/options.h"

#include <algorithm>

std::int32_t BitRateBound(std::int32_t stored, std::int32_t fallback)
{
    return stored == -1 ? fallback : stored;
}

TBitRateVerdict CheckBitRate(const TMainOptions& options, std::int32_t bitRate)
{
    if (!options.WarningBitRate ||
        (options.LowBitRate <= bitRate && bitRate <= options.HighBitRate)) {
        return TBitRateVerdict::Accept;
    }
    return options.ExcludeIfWarning ? TBitRateVerdict::Exclude : TBitRateVerdict::Warn;
}

TRecentPaths EmptyRecentPaths()
{
    TRecentPaths paths;
    ClearRecentPaths(paths);
    return paths;
}

bool AddRecentPath(TRecentPaths& paths, std::string_view folder)
{
    if (std::find(paths.begin(), paths.end(), folder) != paths.end()) {
        return false;
    }
    std::move_backward(paths.begin(), paths.end() - 1, paths.end());
    paths.front() = std::string(folder);
    return true;
}

void ClearRecentPaths(TRecentPaths& paths)
{
    paths.fill(std::string(NoRecentPath));
}

std::string RecentPathFromStore(std::string_view stored, bool missing)
{
    return missing ? std::string(NoRecentPath) : std::string(stored);
}

std::string RecentPathValueName(std::size_t slot)
{
    return "0" + std::to_string(slot);
}
