#include "extract/preview_tag.h"

#include "engine/utf8.h"

namespace {

struct TPreviewLine
{
    std::string_view Label;
    std::size_t Shown;
};

// in slot order
constexpr std::array<TPreviewLine, PreviewSlotCount> PreviewLines = {{
    {"Track Nr = ", 2},
    {"Title    = ", TagTextLimit},
    {"Artist   = ", TagTextLimit},
    {"Album    = ", TagTextLimit},
    {"Year     = ", TagYearLimit},
    {"Comment  = ", TagTextLimit},
    {"_TRASH_  = ", TagTextLimit},
}};

} // namespace

std::optional<TPreviewSlot> PreviewSlotOf(TTagField field)
{
    switch (field) {
    case TTagField::Track:
        return TPreviewSlot::Track;
    case TTagField::Artist:
        return TPreviewSlot::Artist;
    case TTagField::Album:
        return TPreviewSlot::Album;
    case TTagField::Title:
        return TPreviewSlot::Title;
    case TTagField::Year:
        return TPreviewSlot::Year;
    case TTagField::Comment:
        return TPreviewSlot::Comment;
    case TTagField::Trash:
        return TPreviewSlot::Trash;
    }
    return std::nullopt;
}

void FillFromTag(TPreviewTag& preview, const TTagRecord& tag)
{
    const std::array<std::string, PreviewSlotCount - 1> values = {
        std::to_string(tag.Track), tag.Title, tag.Artist, tag.Album, tag.Year, tag.Comment,
    };
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        if (!preview.Extracted[slot]) {
            preview.Slots[slot] = values[slot];
        }
    }
}

std::vector<std::string> AllTagsLines(const TPreviewTag& preview)
{
    std::vector<std::string> lines;
    for (std::size_t slot = 0; slot < PreviewSlotCount; ++slot) {
        lines.push_back(std::string(PreviewLines[slot].Label) +
                        Utf8Left(preview.Slots[slot], PreviewLines[slot].Shown));
    }
    return lines;
}
