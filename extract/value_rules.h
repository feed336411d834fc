#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TCaseMode
{
    cmNone,
    cmLower,
    cmUpper,
    cmCapitalize,
};

// The value in the case mode. Only the ASCII letters change; every other byte, accented letters
// included, stays. Capitalize makes the first letter of each word upper case and the others
// lower case, where only the space separates words: "hello WORLD-foo" gives "Hello World-foo".
std::string ApplyCase(std::string_view value, TCaseMode mode);

struct TReplacePair
{
    std::string What;
    std::string With;

    bool operator==(const TReplacePair&) const = default;
};

// The replace pairs applied to every extracted value: both texts of a pair are non-empty and no
// two pairs share their what. The pairs up to and including the selected one apply; -1 selects
// none. A new list holds the single pair "_" with " ", selected.
struct TReplacePairs
{
    std::vector<TReplacePair> Pairs = {{"_", " "}};
    int Selected = 0;

    bool operator==(const TReplacePairs&) const = default;
};

// The value with the pairs from the first up to the selected one applied in order. Each pair
// replaces its first occurrence again and again, searching from the start each time, until none
// is left or the occurrence found starts at least as many characters before the end as the value
// had at the start. Should that never happen (a pair such as "a" with "ba" keeps re-creating an
// occurrence at the end), or not before the text has grown far beyond any name, the pair is
// applied once more from the value it started with, this time only to occurrences that reach
// past the text it has just inserted, which always ends.
std::string ApplyReplacePairs(std::string_view value, const TReplacePairs& pairs);

// A track value read as an integer: leading spaces, an optional sign, then decimal digits or "$"
// and hexadecimal digits. Anything else, trailing spaces included, is not a number, and neither
// is a decimal value outside the 32-bit range or a hexadecimal one of more than 32 bits (a
// hexadecimal value above $7FFFFFFF reads as its negative two's complement).
std::optional<std::int32_t> ParseTrackNumber(std::string_view text);

// The 8-bit track field of a value: its low 8 bits ("300" gives 44); nothing when the value is
// not a number.
std::optional<std::uint8_t> TrackByte(std::string_view text);
