#pragma once

#include "engine/yield.h"
#include "extract/extract_values.h"

#include <string>
#include <string_view>

// Runs the formula on the extraction text of one file. In the preserve mode the preview's tag
// slots that the formula does not set show the file's current values, read from `fullPath` (the
// values of an untagged or missing file when it has none); the clear mode reads no file.
TFormulaRun RunFormula(std::string_view extractionText, const TTagFormula& formula,
                       const TExtractOptions& options, const std::string& fullPath,
                       const TYieldFn& yield = {});
