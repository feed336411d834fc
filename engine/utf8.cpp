#include "engine/utf8.h"

std::size_t Utf8CharSize(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t size = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
    } else {
        return 1;
    }
    if (pos + size > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < size; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    // overlong three-byte forms, UTF-16 surrogates and code points above U+10FFFF
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 1;
    }
    return size;
}

std::size_t Utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharSize(text, pos)) {
        ++count;
    }
    return count;
}

std::string Utf8Left(std::string_view text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        pos += Utf8CharSize(text, pos);
    }
    return std::string(text.substr(0, pos));
}

std::string Utf8From(std::string_view text, std::size_t first)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < first && pos < text.size(); ++n) {
        pos += Utf8CharSize(text, pos);
    }
    return std::string(text.substr(pos));
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        if (size == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) {
            return false;
        }
        pos += size;
    }
    return true;
}
