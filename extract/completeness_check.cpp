#include "extract/completeness_check.h"

#include "extract/track_number.h"

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
