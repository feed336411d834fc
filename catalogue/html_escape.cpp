#include "catalogue/html_escape.h"

namespace {

// The text with each character for which `replacement` gives a text replaced by that text.
template <typename TReplacement>
std::string Replaced(std::string_view text, TReplacement replacement)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const std::string_view replacing = replacement(c);
        if (replacing.empty()) {
            result += c;
        } else {
            result += replacing;
        }
    }
    return result;
}

} // namespace

std::string HtmlEscape(std::string_view text)
{
    return Replaced(text, [](char c) -> std::string_view {
        switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        default:
            return {};
        }
    });
}

std::string UrlPathEscape(std::string_view name)
{
    return Replaced(name, [](char c) -> std::string_view {
        switch (c) {
        case '%':
            return "%25";
        case '#':
            return "%23";
        case '?':
            return "%3F";
        default:
            return {};
        }
    });
}
