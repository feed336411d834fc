#pragma once

#include <cstdint>
#include <string_view>

// The options of the main window that the settings window edits and the main window stores.
struct TMainOptions
{
    bool LimitTo64 = false;
    bool WarningBitRate = false;
    bool ExcludeIfWarning = false;
    bool AutoTrimSpaces = false;
    std::int32_t LowBitRate = 112;  // kbit/s
    std::int32_t HighBitRate = 160; // kbit/s
};

inline constexpr std::int32_t DefaultLowBitRate = 112;
inline constexpr std::int32_t DefaultHighBitRate = 160;

// A stored bound: only -1 (the store's "missing") takes the default; any other value stays.
std::int32_t BitRateBound(std::int32_t stored, std::int32_t fallback);

// The file-name macro of a first start.
inline constexpr std::string_view DefaultMacro =
    "[ artist=%a,t% - album=%alb,t% ]\\%tr,t%.title=%t,t% - genre=%g,t% - year=%y%";
