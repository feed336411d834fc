#include "extract/value_rules.h"

#include "engine/ascii_text.h"
#include "engine/utf8.h"

#include <optional>
#include <unordered_set>

namespace {

void Capitalize(std::string& text)
{
    // works on the text as it is being changed, left to right
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0) {
            text[0] = AsciiUpper(text[0]);
        }
        if (text[i] == ' ') {
            if (i + 1 < text.size()) {
                text[i + 1] = AsciiUpper(text[i + 1]);
            }
        } else if (i > 0 && text[i - 1] != ' ') {
            text[i] = AsciiLower(text[i]);
        }
    }
}

// Far beyond what any name needs: a pair still replacing after it has walked over this many bytes
// of text, or after it has grown the text past four times its size and a kilobyte, is treated as
// one that never ends.
constexpr std::size_t MaxWork = 20'000'000;

std::size_t MaxGrowth(std::size_t size)
{
    return 4 * size + 1024;
}

std::size_t CharsFrom(const std::string& text, std::size_t pos)
{
    return Utf8Length(std::string_view(text).substr(pos));
}

// Replaces first occurrences, restarting the search at the start of the text after each one,
// until there is none or the occurrence's tail is `limit` characters or longer. Gives nothing
// when that loop would never end.
//
// A replacement that shortens the text cannot go on for ever. Otherwise the loop only goes on
// while the first occurrence lies within the last limit - 1 characters, and an occurrence after a
// replacement starts at most |what| - 1 characters before the replaced one; so the text's last
// limit + |with| characters decide everything that follows. When those characters repeat, the
// loop is caught in a cycle.
std::optional<std::string> ReplaceRestarting(std::string text, const TReplacePair& pair,
                                             std::size_t limit)
{
    const bool shrinks = Utf8Length(pair.With) < Utf8Length(pair.What);
    const std::size_t window = limit + Utf8Length(pair.With);
    const std::size_t maxSize = MaxGrowth(text.size());
    std::unordered_set<std::string> seen;
    std::size_t work = 0;
    auto p = text.find(pair.What);
    while (p != std::string::npos) {
        work += text.size();
        if (work > MaxWork || text.size() > maxSize) {
            return std::nullopt;
        }
        text.replace(p, pair.What.size(), pair.With);
        p = text.find(pair.What);
        if (p == std::string::npos || CharsFrom(text, p) >= limit) {
            break;
        }
        if (!shrinks) {
            const auto length = Utf8Length(text);
            if (!seen.insert(length > window ? Utf8From(text, length - window) : text).second) {
                return std::nullopt;
            }
        }
    }
    return text;
}

// The same loop, except that an occurrence must reach past the text inserted last, so every
// replacement uses up at least one byte of the text behind it and the loop ends.
std::string ReplaceForward(std::string text, const TReplacePair& pair, std::size_t limit)
{
    auto p = text.find(pair.What);
    while (p != std::string::npos) {
        text.replace(p, pair.What.size(), pair.With);
        const std::size_t insertedEnd = p + pair.With.size();
        const std::size_t from =
            insertedEnd >= pair.What.size() ? insertedEnd - pair.What.size() + 1 : 0;
        p = text.find(pair.What, from);
        if (p != std::string::npos && CharsFrom(text, p) >= limit) {
            break;
        }
    }
    return text;
}

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

std::string ApplyCase(std::string_view value, TCaseMode mode)
{
    std::string text(value);
    switch (mode) {
    case TCaseMode::cmNone:
        break;
    case TCaseMode::cmLower:
        for (auto& c : text) {
            c = AsciiLower(c);
        }
        break;
    case TCaseMode::cmUpper:
        for (auto& c : text) {
            c = AsciiUpper(c);
        }
        break;
    case TCaseMode::cmCapitalize:
        Capitalize(text);
        break;
    }
    return text;
}

std::string ApplyReplacePairs(std::string_view value, const TReplacePairs& pairs)
{
    std::string text(value);
    // an index past the list selects nothing, as an empty selection does
    if (pairs.Selected < 0 || static_cast<std::size_t>(pairs.Selected) >= pairs.Pairs.size()) {
        return text;
    }
    const std::size_t limit = Utf8Length(value);
    const auto last = static_cast<std::size_t>(pairs.Selected);
    for (std::size_t i = 0; i <= last; ++i) {
        const auto& pair = pairs.Pairs[i];
        if (pair.What.empty()) {
            continue;
        }
        auto replaced = ReplaceRestarting(text, pair, limit);
        text = replaced ? std::move(*replaced) : ReplaceForward(std::move(text), pair, limit);
    }
    return text;
}

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
