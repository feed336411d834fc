#include "extract/run_formula.h"

#include "engine/mpeg_audio.h"

#include <algorithm>

TFormulaRun RunFormula(std::string_view extractionText, const TTagFormula& formula,
                       const TExtractOptions& options, const std::string& fullPath,
                       const TYieldFn& yield)
{
    TFormulaRun run = ExtractValues(extractionText, formula, options);
    const auto& extracted = run.PreviewTag.Extracted;
    const bool allSet =
        std::all_of(extracted.begin(), extracted.end() - 1, [](bool b) { return b; });
    if (options.PreserveOtherTag && !allSet) {
        TMPEGAudio audio;
        audio.SetFileName(fullPath, yield);
        FillFromTag(run.PreviewTag, audio.Tag());
    }
    return run;
}
