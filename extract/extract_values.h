#pragma once

#include "extract/case_mode.h"
#include "extract/preview_tag.h"
#include "extract/replace_pairs.h"
#include "extract/tag_formula.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The options of the extraction window that shape a run.
struct TExtractOptions
{
    TReplacePairs ReplacePairs;
    bool AutoTrimSpaces = false;
    TCaseMode CaseMode = TCaseMode::cmNone;
    // preserve: fields the formula does not set keep the file's values; clear: they are emptied
    bool PreserveOtherTag = true;
};

using TFieldValues = std::array<std::string, FormulaFieldCount>;

// The result of running a formula on one text.
struct TFormulaRun
{
    // Values[k] belongs to Field[k]; a field the chain does not reach is empty.
    TFieldValues Values;
    // how many fields the chain extracted, 1..6
    int FieldCount = 0;
    // one line per extracted field: the field name padded to nine characters, "=", the value
    std::vector<std::string> ExtractedLines;
    TPreviewTag PreviewTag;
};

// Runs the formula on the text without looking at any file: in the preserve mode the tag slots
// the formula does not set hold "_none_" (see RunFormula for the file's values).
TFormulaRun ExtractValues(std::string_view extractionText, const TTagFormula& formula,
                          const TExtractOptions& options);
