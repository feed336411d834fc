#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A track value read as an integer: leading spaces, an optional sign, then decimal digits or "$"
// and hexadecimal digits. Anything else, trailing spaces included, is not a number, and neither
// is a decimal value outside the 32-bit range or a hexadecimal one of more than 32 bits (a
// hexadecimal value above $7FFFFFFF reads as its negative two's complement).
std::optional<std::int32_t> ParseTrackNumber(std::string_view text);

// The 8-bit track field of a value: its low 8 bits ("300" gives 44); nothing when the value is
// not a number.
std::optional<std::uint8_t> TrackByte(std::string_view text);
