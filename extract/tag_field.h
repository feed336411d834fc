#pragma once

#include <optional>
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
