#include "cli/line_text.h"

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
