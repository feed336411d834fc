#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The song number of table index `index`: the index in decimal, padded with "0" to five digits
// ("00000", "00012"); from 100,000 on it simply has more digits.
std::string FormatSongNumber(std::size_t index);

// The file name without its folder and without its last four characters (the ".mp3"); empty
// when the name has four characters or fewer.
std::string FileNameNoExt(std::string_view path);

// "hh : nn . ss" of a playing time in seconds.
std::string FormatSongDuration(std::uint32_t seconds);
