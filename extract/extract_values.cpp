#include "extract/extract_values.h"

#include "engine/mpeg_audio.h"
#include "engine/tag_values.h"
#include "engine/utf8.h"

#include <algorithm>

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

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string TrimBlanks(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::string ExtractedLine(TTagField field, const std::string& value)
{
    std::string name(TagFieldName(field));
    if (name.size() < 9) {
        name.resize(9, ' ');
    }
    return name + "=" + value;
}

// What the preview shows of a value for a field: what the write stores and a read gives back, or
// nothing when the write leaves the field alone (an empty value, a track that is no number).
std::optional<std::string> PreviewText(TTagField field, const std::string& value,
                                       const TTagCodePage& codePage)
{
    if (field == TTagField::Trash) {
        return value; // shown, never written
    }
    if (value.empty()) {
        return std::nullopt;
    }
    if (field == TTagField::Track) {
        const auto track = TrackByte(value);
        if (!track) {
            return std::nullopt;
        }
        // "07" stays as typed; "300" (stored in its low 8 bits) or "$1F" show the stored byte
        const bool plain = value.find_first_not_of("0123456789") == std::string::npos &&
                           TrackFromText(value).has_value();
        return plain ? value : std::to_string(*track);
    }
    const std::size_t limit = field == TTagField::Year ? TagYearLimit : TagTextLimit;
    return StoredFieldText(value, limit, codePage);
}

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

TFormulaRun ExtractValues(std::string_view extractionText, const TTagFormula& formula,
                          const TExtractOptions& options)
{
    std::array<std::string_view, FormulaFieldCount + 1> seps;
    seps[0] = formula.Sep[0].empty() ? NoneMarker : std::string_view(formula.Sep[0]);
    for (std::size_t k = 1; k < FormulaFieldCount; ++k) {
        seps[k] = formula.Sep[k].empty() ? EndMarkerText : std::string_view(formula.Sep[k]);
    }
    seps[FormulaFieldCount] = EndMarkerText;

    TFormulaRun run;
    for (std::size_t slot = 0; slot < PreviewSlotCount; ++slot) {
        const bool tagSlot = slot != static_cast<std::size_t>(TPreviewSlot::Trash);
        run.PreviewTag.Slots[slot] =
            tagSlot && options.PreserveOtherTag ? std::string(PreviewUnsetMarker) : std::string();
    }

    std::string workingText(extractionText);
    for (std::size_t k = 0; k < FormulaFieldCount; ++k) {
        std::string value = ExtractField(workingText, seps[k], seps[k + 1]);
        value = ApplyReplacePairs(value, options.ReplacePairs);
        if (options.AutoTrimSpaces) {
            value = TrimBlanks(value);
        }
        value = ApplyCase(value, options.CaseMode);
        run.ExtractedLines.push_back(ExtractedLine(formula.Field[k], value));
        const auto slot = PreviewSlotOf(formula.Field[k]);
        if (const auto shown = PreviewText(formula.Field[k], value, options.CodePage);
            slot && shown) {
            run.PreviewTag[*slot] = *shown;
            run.PreviewTag.Extracted[static_cast<std::size_t>(*slot)] = true;
        }
        run.Values[k] = std::move(value);
        run.FieldCount = static_cast<int>(k) + 1;
        if (seps[k + 1] == EndMarkerText) {
            break;
        }
    }
    return run;
}

TFormulaRun RunFormula(std::string_view extractionText, const TTagFormula& formula,
                       const TExtractOptions& options, const std::string& fullPath,
                       const TYieldFn& yield)
{
    TFormulaRun run = ExtractValues(extractionText, formula, options);
    const auto& extracted = run.PreviewTag.Extracted;
    const bool allSet =
        std::all_of(extracted.begin(), extracted.end() - 1, [](bool b) { return b; });
    if (options.PreserveOtherTag && !allSet) {
        TMPEGAudio audio(options.CodePage);
        audio.SetFileName(fullPath, yield);
        FillFromTag(run.PreviewTag, audio.Tag());
    }
    return run;
}

bool NotProcessedCorrectly(const TTagFormula& formula, const TFormulaRun& run)
{
    for (int k = 0; k < run.FieldCount && k < FormulaFieldCount; ++k) {
        const auto& value = run.Values[static_cast<std::size_t>(k)];
        if (value.empty()) {
            return true;
        }
        if (formula.Field[static_cast<std::size_t>(k)] == TTagField::Track && !TrackByte(value)) {
            return true;
        }
    }
    return false;
}
