#include "cli/json_text.h"

#include "engine/utf8.h"

#include <cstdio>

namespace {

std::string UnicodeEscape(unsigned char code)
{
    char escape[8];
    std::snprintf(escape, sizeof(escape), "\\u%04X", code);
    return escape;
}

} // namespace

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (size > 1) {
            json.append(text.substr(pos, size));
        } else if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
        } else if (byte == '\n') {
            json += "\\n";
        } else if (byte == '\r') {
            json += "\\r";
        } else if (byte == '\t') {
            json += "\\t";
        } else if (byte < 0x20 || byte >= 0x80) {
            json += UnicodeEscape(byte);
        } else {
            json += static_cast<char>(byte);
        }
        pos += size;
    }
    json += '"';
    return json;
}

std::string LineText(std::string_view text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\t') {
            result += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            result += "\\x";
            result += Hex[byte >> 4];
            result += Hex[byte & 0x0F];
        } else {
            result += c;
        }
    }
    return result;
}
