#include "catalogue/html_escape.h"

std::string HtmlEscape(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string UrlPathEscape(std::string_view name)
{
    std::string result;
    result.reserve(name.size());
    for (const char c : name) {
        switch (c) {
        case '%':
            result += "%25";
            break;
        case '#':
            result += "%23";
            break;
        case '?':
            result += "%3F";
            break;
        default:
            result += c;
        }
    }
    return result;
}
