#include "catalogue/html_escape.h"

#include "engine/utf8.h"

namespace {

// Characters a link may hold as they are: letters, digits and the marks that have no meaning in
// a relative path. ":" is left out, as it would make the first segment a scheme ("c:song.htm").
bool IsLinkSafe(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~!$&()*+,;=@").find(c) != std::string_view::npos;
}

} // namespace

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
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        const auto byte = static_cast<unsigned char>(name[pos]);
        const std::size_t size = Utf8CharSize(name, pos);
        if (IsLinkSafe(name[pos]) || (byte >= 0x80 && size > 1)) {
            // a well-formed non-ASCII character is allowed in a link and stays readable
            result.append(name.substr(pos, size));
        } else {
            result += '%';
            result += Hex[byte >> 4];
            result += Hex[byte & 0x0F];
        }
        pos += size;
    }
    return result;
}
