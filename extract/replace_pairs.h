#pragma once

#include <string>
#include <string_view>
#include <vector>

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
