#include "extract/extract_values.h"

#include "extract/extract_field.h"

namespace {

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

} // namespace

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
        if (const auto slot = PreviewSlotOf(formula.Field[k])) {
            run.PreviewTag[*slot] = value;
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
