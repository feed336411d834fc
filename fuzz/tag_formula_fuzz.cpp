// The TAG Formula run on a file name: the first line holds option bytes (flags, then the
// selected replace pair), the second the file's full path, the next six the separators, the
// next the six fields as digits ("0".."6" name one; other bytes give the indexes around them),
// and the remaining lines the replace pairs, what and with alternating.

#include "extract/extract_values.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput input(data, size);
    const std::string_view optionBytes = input.Line();
    const auto option = [&optionBytes](std::size_t index) {
        return index < optionBytes.size() ? static_cast<std::uint8_t>(optionBytes[index]) : 0;
    };
    const std::string_view fullPath = input.Line();

    TTagFormula formula;
    for (auto& separator : formula.Sep) {
        separator = std::string(input.Line());
    }
    const std::string_view fields = input.Line();
    for (std::size_t k = 0; k < fields.size() && k < formula.Field.size(); ++k) {
        formula.Field[k] = static_cast<TTagField>(static_cast<int>(fields[k]) - '0');
    }

    TExtractOptions options;
    options.ReplacePairs.Pairs.clear();
    while (!input.AtEnd()) {
        TReplacePair pair{std::string(input.Line()), std::string(input.Line())};
        // the list window keeps only pairs with both texts and a what of their own
        bool taken = pair.What.empty() || pair.With.empty();
        for (const auto& other : options.ReplacePairs.Pairs) {
            taken = taken || other.What == pair.What;
        }
        if (!taken) {
            options.ReplacePairs.Pairs.push_back(std::move(pair));
        }
    }
    options.ReplacePairs.Selected = static_cast<std::int8_t>(option(1));
    options.AutoTrimSpaces = (option(0) & 2) != 0;
    options.CaseMode = static_cast<TCaseMode>((option(0) >> 2) & 3);
    options.PreserveOtherTag = (option(0) & 16) != 0;

    const std::string text = ExtractionText(fullPath, (option(0) & 1) != 0);
    FUZZ_CHECK(text.size() <= fullPath.size());
    const TFormulaRun run = ExtractValues(text, formula, options);
    FUZZ_CHECK(run.FieldCount >= 1 && run.FieldCount <= FormulaFieldCount);
    FUZZ_CHECK(run.ExtractedLines.size() == static_cast<std::size_t>(run.FieldCount));
    FUZZ_CHECK(AllTagsLines(run.PreviewTag).size() == PreviewSlotCount);
    NotProcessedCorrectly(formula, run);
    FormulaText(formula);
    ChainText(formula, static_cast<std::int8_t>(option(2)));

    // Without replacing, trimming or case changes, every value is cut out of the text: the
    // separators only ever choose where.
    const bool plain = options.ReplacePairs.Selected < 0 || options.ReplacePairs.Pairs.empty();
    if (plain && !options.AutoTrimSpaces && options.CaseMode == TCaseMode::cmNone) {
        for (int k = 0; k < run.FieldCount; ++k) {
            FUZZ_CHECK(text.find(run.Values[static_cast<std::size_t>(k)]) != std::string::npos);
        }
    }
    return 0;
}
