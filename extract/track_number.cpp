#include "extract/track_number.h"

namespace {

int DigitValue(char c, int base)
{
    int value = 16;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

} // namespace

std::optional<std::int32_t> ParseTrackNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    // decimal values must fit a signed 32-bit integer; hexadecimal ones its 32 bits
    const std::int64_t limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > limit) {
            return std::nullopt;
        }
    }
    if (base == 16) {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::uint8_t> TrackByte(std::string_view text)
{
    const auto number = ParseTrackNumber(text);
    if (!number) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(*number) & 0xFF);
}
