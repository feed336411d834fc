#pragma once

#include "workspace/options.h"

#include <cstdint>

enum class TBitRateVerdict
{
    Accept,  // listed silently
    Exclude, // left out of the list, silently
    Warn,    // listed, and reported in the error list
};

// Whether the bit rate of a found file needs reading at all.
inline bool NeedsBitRate(const TMainOptions& options)
{
    return options.WarningBitRate;
}

// The band test of a scan: inside [LowBitRate, HighBitRate], both ends included, is accepted;
// outside it is excluded or warned about. A file that cannot be read has bit rate 0.
TBitRateVerdict CheckBitRate(const TMainOptions& options, std::int32_t bitRate);

// The notice under the file list while warnings stand.
inline constexpr const char* BitRateNotice = "Errors Found in \"BitRate\" !";
