#pragma once

#include "engine/tag_record.h"
#include "extract/tag_field.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The slots of the all-tags preview, in the order it lists them.
enum class TPreviewSlot
{
    Track,
    Title,
    Artist,
    Album,
    Year,
    Comment,
    Trash,
};

inline constexpr std::size_t PreviewSlotCount = 7;

// What a run would leave in the tag: the extracted values, and in the preserve mode the file's
// own values for the fields the formula does not set.
struct TPreviewTag
{
    std::array<std::string, PreviewSlotCount> Slots;
    // which slots hold an extracted value
    std::array<bool, PreviewSlotCount> Extracted{};

    std::string& operator[](TPreviewSlot slot) { return Slots[static_cast<std::size_t>(slot)]; }
    const std::string& operator[](TPreviewSlot slot) const
    {
        return Slots[static_cast<std::size_t>(slot)];
    }
};

// Shown in the tag slots the run has not set, until the file's values replace it.
inline constexpr std::string_view PreviewUnsetMarker = "_none_";

// The slot a field fills; nothing for an index without a name.
std::optional<TPreviewSlot> PreviewSlotOf(TTagField field);

// Puts the file's values into the six tag slots that hold no extracted value; the track as a
// decimal number, the texts as they are.
void FillFromTag(TPreviewTag& preview, const TTagRecord& tag);

// The seven preview lines: "Track Nr = " with the first 2 characters of the track, "Title    = "
// and the others with 30, "Year     = " with 4; an empty slot gives the label alone.
std::vector<std::string> AllTagsLines(const TPreviewTag& preview);
