#include "cli/line_text.h"

#include "engine/ascii_text.h"

#include <algorithm>

std::string LineText(std::string_view text)
{
    std::string result;
    AppendLineText(result, text);
    return result;
}

void AppendLineText(std::string& line, std::string_view text)
{
    // most texts need no escape at all: they go over in one piece
    const auto plain = std::find_if(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '\\' || byte < 0x20 || byte == 0x7F;
    });
    line.append(text.begin(), plain);
    for (auto it = plain; it != text.end(); ++it) {
        const char c = *it;
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            line += "\\\\";
        } else if (c == '\n') {
            line += "\\n";
        } else if (c == '\t') {
            line += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            line += "\\x";
            AppendHexByte(line, byte);
        } else {
            line += c;
        }
    }
}
