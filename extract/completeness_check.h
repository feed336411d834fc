#pragma once

#include "extract/extract_values.h"

// True when a batch must list the file as not processed correctly: one of the fields the run
// extracted came out empty, or a track value is not a number (the file keeps its old track).
bool NotProcessedCorrectly(const TTagFormula& formula, const TFormulaRun& run);
