#pragma once

#include <array>
#include <string>
#include <string_view>

// The ten most recent folders of the main window, newest first.
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
