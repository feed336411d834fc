#pragma once

#include "workspace/options.h"

#include <cstdint>
#include <string>

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

// The error window's caption after a warning, and after a folder is done (one space less).
std::string BitRateWarningCaption(std::size_t count);
std::string BitRateFolderDoneCaption(std::size_t count);

// The last of the four log lines of a warning: " BitRate : " and the rate.
std::string BitRateLine(std::int32_t bitRate);

inline constexpr const char* BitRateNotice = "Errors Found in \"BitRate\" !";
