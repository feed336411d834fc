#include "extract/tag_field.h"

#include <array>

namespace {

constexpr std::array<std::string_view, TagFieldCount> FieldNames = {
    "Track", "Artist", "Album", "Title", "Year", "Comment", "_TRASH",
};

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
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
        if (EqualIgnoringCase(name, FieldNames[static_cast<std::size_t>(index)])) {
            return static_cast<TTagField>(index);
        }
    }
    return std::nullopt;
}
