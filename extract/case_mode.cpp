#include "extract/case_mode.h"

namespace {

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

char ToUpper(char c)
{
    return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

char ToLower(char c)
{
    return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

void Capitalize(std::string& text)
{
    // works on the text as it is being changed, left to right
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0) {
            text[0] = ToUpper(text[0]);
        }
        if (text[i] == ' ') {
            if (i + 1 < text.size()) {
                text[i + 1] = ToUpper(text[i + 1]);
            }
        } else if (i > 0 && text[i - 1] != ' ') {
            text[i] = ToLower(text[i]);
        }
    }
}

} // namespace

std::string ApplyCase(std::string_view value, TCaseMode mode)
{
    std::string text(value);
    switch (mode) {
    case TCaseMode::cmNone:
        break;
    case TCaseMode::cmLower:
        for (auto& c : text) {
            c = ToLower(c);
        }
        break;
    case TCaseMode::cmUpper:
        for (auto& c : text) {
            c = ToUpper(c);
        }
        break;
    case TCaseMode::cmCapitalize:
        Capitalize(text);
        break;
    }
    return text;
}
