#include "cli/line_text.h"

#include "engine/ascii_text.h"

std::string LineText(std::string_view text)
{
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
            AppendHexByte(result, byte);
        } else {
            result += c;
        }
    }
    return result;
}
