#pragma once

#include "engine/code_page.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The options of the main window that the settings window edits and the main window stores.
struct TMainOptions
{
    bool LimitTo64 = false;
    bool WarningBitRate = false;
    bool ExcludeIfWarning = false;
    bool AutoTrimSpaces = false;
    bool WriteId3v2 = false;        // writing and clearing the tags also changes the ID3v2 tag
    std::int32_t LowBitRate = 112;  // kbit/s
    std::int32_t HighBitRate = 160; // kbit/s
    TTagCodePage TagCodePage = DefaultTagCodePage; // every tag is read and written in it
};

inline constexpr std::int32_t DefaultLowBitRate = 112;
inline constexpr std::int32_t DefaultHighBitRate = 160;

// A stored bound: only -1 (the store's "missing") takes the default; any other value stays.
std::int32_t BitRateBound(std::int32_t stored, std::int32_t fallback);

// The file-name macro of a first start.
inline constexpr std::string_view DefaultMacro =
    "[ artist=%a,t% - album=%alb,t% ]\\%tr,t%.title=%t,t% - genre=%g,t% - year=%y%";

// --- the bit-rate band of a scan

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

// --- the ten most recent folders, newest first

inline constexpr std::size_t RecentPathCount = 10;
inline constexpr std::string_view NoRecentPath = "..none..";

using TRecentPaths = std::array<std::string, RecentPathCount>;

// Ten empty slots ("..none..").
TRecentPaths EmptyRecentPaths();

// Puts the folder in front and drops the oldest entry, unless the folder is already listed
// (exact, case-sensitive), in which case nothing moves. True when the list changed.
bool AddRecentPath(TRecentPaths& paths, std::string_view folder);

// Every slot back to "..none..".
void ClearRecentPaths(TRecentPaths& paths);

// A stored slot value: the read text, or "..none.." when it is missing (`missing` set).
std::string RecentPathFromStore(std::string_view stored, bool missing);

// The value name of a slot in the "Recent Paths" section: "00" .. "09".
std::string RecentPathValueName(std::size_t slot);
