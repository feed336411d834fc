#include "extract/tag_formula.h"

#include "engine/ascii_text.h"
#include "engine/path_parts.h"
#include "engine/utf8.h"

#include <algorithm>

namespace {

constexpr std::array<std::string_view, TagFieldCount> FieldNames = {
    "Track", "Artist", "Album", "Title", "Year", "Comment", "_TRASH",
};

std::size_t Find(std::string_view text, std::string_view what, std::size_t from = 0)
{
    return what.empty() ? std::string_view::npos : text.find(what, from);
}

} // namespace

std::string_view TagFieldName(TTagField field)
{
    const int index = static_cast<int>(field);
    return index >= 0 && index < TagFieldCount ? FieldNames[static_cast<std::size_t>(index)]
                                               : std::string_view();
}

std::optional<TTagField> TagFieldFromName(std::string_view name)
{
    for (int index = 0; index < TagFieldCount; ++index) {
        if (EqualsIgnoringCase(name, FieldNames[static_cast<std::size_t>(index)])) {
            return static_cast<TTagField>(index);
        }
    }
    return std::nullopt;
}

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

std::string ExtractField(std::string& workingText, std::string_view left, std::string_view right)
{
    if (right == EndMarkerText) {
        right = EndMarker;
    }
    if (left == NoneMarker) {
        const auto p = Find(workingText, right);
        return p == std::string::npos ? std::string() : workingText.substr(0, p);
    }
    const auto p = Find(workingText, left);
    if (p == std::string::npos) {
        return {};
    }
    workingText.erase(0, p);
    const auto q = Find(workingText, right, left.size());
    if (q == std::string::npos) {
        return {};
    }
    std::string value;
    if (right == EndMarker) {
        // everything up to the last four characters, however far behind ".mp" they lie
        const auto length = Utf8Length(workingText);
        const auto end = length >= 4 ? Utf8Left(workingText, length - 4).size() : 0;
        if (end > left.size()) {
            value = workingText.substr(left.size(), end - left.size());
        }
    } else {
        value = workingText.substr(left.size(), q - left.size());
    }
    workingText.erase(0, q);
    return value;
}

std::string ExtractionText(std::string_view fullPath, bool pathIncluded)
{
    return pathIncluded ? PathWithoutRoot(fullPath) : NamePart(fullPath);
}
