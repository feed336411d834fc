#include "cli/json_text.h"

#include "engine/utf8.h"

namespace {

const char* const HexDigits = "0123456789abcdef";

} // namespace

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (size > 1) {
            json += text.substr(pos, size);
        } else if (byte >= 0x80) {
            json += "\xEF\xBF\xBD"; // U+FFFD, the replacement character
        } else if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
        } else if (byte == '\n') {
            json += "\\n";
        } else if (byte == '\r') {
            json += "\\r";
        } else if (byte == '\t') {
            json += "\\t";
        } else if (byte < 0x20) {
            json += "\\u00";
            json += HexDigits[byte >> 4];
            json += HexDigits[byte & 0x0F];
        } else {
            json += static_cast<char>(byte);
        }
        pos += size;
    }
    json += '"';
    return json;
}
