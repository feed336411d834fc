#include "engine/ascii_text.h"

#include <algorithm>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The digits as an unsigned number of at most `limit`; nothing for an empty text, a character
// that is no digit of the base, or a value over the limit.
std::optional<std::uint64_t> Digits(std::string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

void AppendHexByte(std::string& out, unsigned char byte)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    out += Digits[byte >> 4];
    out += Digits[byte & 0x0F];
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiLower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return AsciiLower(c); });
    return result;
}

std::string AsciiUpper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return AsciiUpper(c); });
    return result;
}

int CompareIgnoringCase(std::string_view a, std::string_view b)
{
    const auto common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto right = static_cast<unsigned char>(AsciiLower(b[i]));
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

std::optional<std::int32_t> ParseStoredInteger(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text[0] == '0' && AsciiLower(text[1]) == 'x') {
        const auto value = Digits(text.substr(2), 16, std::numeric_limits<std::uint32_t>::max());
        if (!value) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::uint64_t limit = negative ? 0x80000000ULL : 0x7FFFFFFFULL;
    const auto value = Digits(text, 10, limit);
    if (!value) {
        return std::nullopt;
    }
    const auto signedValue = static_cast<std::int64_t>(*value);
    return static_cast<std::int32_t>(negative ? -signedValue : signedValue);
}
