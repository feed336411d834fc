#pragma once

#include "extract/tag_field.h"

#include <array>
#include <string>

// A "TAG Formula": six separators, each followed by the field that the text after it fills.
// Sep[0] stands left of Field[0]; Sep[k] ends field k-1 and starts field k.
struct TTagFormula
{
    std::array<std::string, 6> Sep;
    std::array<TTagField, 6> Field = {TTagField::Track, TTagField::Artist, TTagField::Album,
                                      TTagField::Title, TTagField::Year,   TTagField::Comment};

    bool operator==(const TTagFormula&) const = default;
};

inline constexpr int FormulaFieldCount = 6;

// As a left separator: the field starts at the beginning of the text. An empty first separator
// reads as this marker.
inline constexpr std::string_view NoneMarker = "%NONE";
// As a right separator: the field runs to the end of the name less its extension. An empty
// separator after the first reads as this marker, and the sixth field always ends with it.
inline constexpr std::string_view EndMarkerText = "%END";
// What "%END" is searched for during a run.
inline constexpr std::string_view EndMarker = ".mp";

// Separators " [ ", " - ", " ] - " and the fields Track, Artist, Album, Title, Year, Comment:
// "Track [ Artist - Album ] - Title".
TTagFormula DefaultFormula();

// The text of a formula in the formula list: the first separator and field, then each later
// separator that is not empty with its field. Markers are shown as typed.
std::string FormulaText(const TTagFormula& formula);

// The first `count` separators (as typed) and field names joined; `count` is clamped to 0..6.
std::string ChainText(const TTagFormula& formula, int count);
