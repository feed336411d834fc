#pragma once

#include "engine/mpeg_audio.h"
#include "engine/regional_settings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How an item is laid out in its length: padded after (Left), before (Right) or around (Center)
// the value, or the value as it is (Text).
enum class TItemAlignment
{
    Left,
    Right,
    Center,
    Text,
};

// An item's value for one file, with the length and alignment it gets when the item names none.
struct TItemValue
{
    std::string Value;
    std::size_t DefaultLength = 0;
    TItemAlignment DefaultAlignment = TItemAlignment::Left;
    // the character of a code typed in the macro ("%47%"), not a value the file gives
    bool Typed = false;
};

// The text without its leading spaces, and without trailing spaces and zero bytes by the rule of
// TrimTagText (which also cuts at a zero byte): how tag values and item elements are trimmed.
std::string TrimmedText(std::string_view text);

// True when the item a tag id (in capitals) names reads the file: its tag, stream or file facts.
// Layout items, character codes, the file's name and folder, and ids that name no item need only
// the path.
bool ItemReadsFile(std::string_view tagId);

// The item a tag id names, already in capitals: a number gives the character of that code,
// a long or short id ("TITLE", "T") the file's value. Nothing for an id that names no item.
std::optional<TItemValue> LookUpItem(const TMPEGAudio& audio, std::string_view tagId,
                                     const TRegionalSettings& regional);
