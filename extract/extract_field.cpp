#include "extract/extract_field.h"

#include "engine/utf8.h"
#include "extract/tag_formula.h"

namespace {

std::size_t Find(std::string_view text, std::string_view what, std::size_t from = 0)
{
    return what.empty() ? std::string_view::npos : text.find(what, from);
}

} // namespace

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
