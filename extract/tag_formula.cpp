#include "extract/tag_formula.h"

#include <algorithm>

TTagFormula DefaultFormula()
{
    TTagFormula formula;
    formula.Sep = {"", " [ ", " - ", " ] - ", "", ""};
    return formula;
}

std::string FormulaText(const TTagFormula& formula)
{
    std::string text = formula.Sep[0] + std::string(TagFieldName(formula.Field[0]));
    for (std::size_t k = 1; k < formula.Sep.size(); ++k) {
        if (!formula.Sep[k].empty()) {
            text += formula.Sep[k];
            text += TagFieldName(formula.Field[k]);
        }
    }
    return text;
}

std::string ChainText(const TTagFormula& formula, int count)
{
    const auto n = static_cast<std::size_t>(std::clamp(count, 0, FormulaFieldCount));
    std::string text;
    for (std::size_t k = 0; k < n; ++k) {
        text += formula.Sep[k];
        text += TagFieldName(formula.Field[k]);
    }
    return text;
}
