#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The tag field a formula fills: an index with a fixed name. The index is also the item index of
// the window's field lists and the number kept in stored formulas, so values outside the named
// range can occur; they have the empty name and fill nothing.
enum class TTagField : int
{
    Track = 0,
    Artist = 1,
    Album = 2,
    Title = 3,
    Year = 4,
    Comment = 5,
    Trash = 6, // "_TRASH": the text is consumed and shown, never written
};

inline constexpr int TagFieldCount = 7;

// "Track", "Artist", "Album", "Title", "Year", "Comment", "_TRASH"; empty for any other index.
std::string_view TagFieldName(TTagField field);

// The field whose name matches, ignoring the case of ASCII letters ("title", "_trash").
std::optional<TTagField> TagFieldFromName(std::string_view name);

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

// Cuts one field out of `workingText` between a left and a right separator and moves
// `workingText` on to the right separator, so that it starts the next field. Searches are
// case-sensitive and find the first occurrence; an empty separator never matches.
//
// "%NONE" as left separator starts the field at the beginning of the text and leaves the text
// as it is. "%END" as right separator is searched as ".mp"; after a real left separator the field
// then runs to the text's fourth-last character, the extension being taken as four characters
// long. Gives the empty text when a separator does not occur.
std::string ExtractField(std::string& workingText, std::string_view left, std::string_view right);

// The text a formula runs on, made from a file's full path: with the path included, the path
// without its root ("/home/ann/a.mp3" gives "home/ann/a.mp3"); otherwise the file name alone.
// Both keep the extension.
std::string ExtractionText(std::string_view fullPath, bool pathIncluded);
