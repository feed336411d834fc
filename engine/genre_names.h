#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The ID3v1 genre list as every player reads it: the standard entries 0..147 and the extension
// 148..191.
inline constexpr std::size_t GenreCount = 192;

extern const std::array<std::string_view, GenreCount> GenreNames;

// The name of a genre index; "<unknown>" from GenreCount on.
std::string_view GenreName(std::uint8_t index);
