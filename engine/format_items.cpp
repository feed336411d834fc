#include "engine/format_items.h"

#include "engine/item_table.h"
#include "engine/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view MissingEndText = "<<<ERROR!!! No end of item definition!>>>";

// A longer length is taken as this many characters: no expanded text can become a path beyond
// it, and a mistyped length such as 2000000000 must not exhaust the memory.
constexpr std::int64_t MaxItemLength = 4096;

// The parts between the separators; two separators in a row, or one at either end, give an
// empty part.
std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view Element(const std::vector<std::string_view>& parts, std::size_t index)
{
    return index < parts.size() ? parts[index] : std::string_view();
}

std::string ToCapitals(std::string_view text)
{
    std::string result(text);
    for (auto& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

// A decimal 32-bit integer with an optional sign; nothing for any other text.
std::optional<std::int64_t> ReadInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<TItemAlignment> AlignmentOf(std::string_view element)
{
    switch (element.empty() ? '\0' : element.front()) {
    case 'L':
    case 'l':
        return TItemAlignment::Left;
    case 'R':
    case 'r':
        return TItemAlignment::Right;
    case 'C':
    case 'c':
        return TItemAlignment::Center;
    case 'T':
    case 't':
        return TItemAlignment::Text;
    default:
        return std::nullopt;
    }
}

std::string Repeated(std::string_view piece, std::size_t count)
{
    std::string result;
    result.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        result += piece;
    }
    return result;
}

// The value cut to `length` characters and padded to it; lengths count characters, and a cut
// keeps the first characters whichever the alignment.
std::string Aligned(const std::string& value, TItemAlignment alignment, std::size_t length,
                    std::string_view pad)
{
    if (alignment == TItemAlignment::Text) {
        return value;
    }
    std::string cut = Utf8Left(value, length);
    const std::size_t surplus = length - Utf8Length(cut);
    switch (alignment) {
    case TItemAlignment::Left:
        return cut + Repeated(pad, surplus);
    case TItemAlignment::Right:
        return Repeated(pad, surplus) + cut;
    case TItemAlignment::Center:
        // an odd surplus puts the extra pad character on the right
        return Repeated(pad, surplus / 2) + cut + Repeated(pad, surplus - surplus / 2);
    case TItemAlignment::Text:
        break;
    }
    return value;
}

// The tag id of an item split at its commas, in capitals.
std::string TagIdOf(const std::vector<std::string_view>& atCommas)
{
    return ToCapitals(TrimmedText(Element(atCommas, 0)));
}

} // namespace

bool MacroReadsFile(std::string_view macro)
{
    // items are found as FormatItems finds them; an item without its end reads nothing
    std::size_t pos = 0;
    for (;;) {
        const auto open = macro.find('%', pos);
        const auto close = open == std::string_view::npos ? open : macro.find('%', open + 1);
        if (close == std::string_view::npos) {
            return false;
        }
        if (ItemReadsFile(TagIdOf(Split(macro.substr(open + 1, close - open - 1), ",")))) {
            return true;
        }
        pos = close + 1;
    }
}

std::string FormatItem(const TMPEGAudio& audio, std::string_view item,
                       const TRegionalSettings& regional, TExpansion expansion)
{
    std::string_view definition = item;
    if (!definition.empty() && definition.front() == '%') {
        definition.remove_prefix(1);
    }
    if (!definition.empty() && definition.back() == '%') {
        definition.remove_suffix(1);
    }
    // The tag id and the pad character are counted at commas only, alignment and length at
    // commas and colons: "%T,L:12,,.%" has the length 12 and the pad character ".".
    const auto atCommas = Split(definition, ",");
    const auto atCommasAndColons = Split(definition, ",:");

    const std::string tagId = TagIdOf(atCommas);
    if (tagId.empty()) {
        return "%";
    }
    auto found = LookUpItem(audio, tagId, regional);
    if (!found) {
        return std::string(item);
    }
    if (expansion == TExpansion::FileName && !found->Typed) {
        std::replace_if(
            found->Value.begin(), found->Value.end(), [](char c) { return c == '/' || c == '\\'; },
            '-');
    }

    auto length = ReadInteger(TrimmedText(Element(atCommasAndColons, 2)));
    auto alignment = AlignmentOf(TrimmedText(Element(atCommasAndColons, 1)));
    if (!alignment) {
        // no valid alignment: the item's own layout in its own length
        alignment = found->DefaultAlignment;
        length = 0;
    }
    const std::string padElement = TrimmedText(Element(atCommas, 3));
    const std::string pad = padElement.empty() ? std::string(" ") : Utf8Left(padElement, 1);

    if (!length || *length < 0) {
        return found->Value;
    }
    const std::int64_t wanted =
        *length == 0 ? static_cast<std::int64_t>(found->DefaultLength) : *length;
    return Aligned(found->Value, *alignment,
                   static_cast<std::size_t>(std::min(wanted, MaxItemLength)), pad);
}

std::string FormatItems(const TMPEGAudio& audio, std::string_view macro,
                        const TRegionalSettings& regional, TExpansion expansion)
{
    std::string result;
    std::size_t pos = 0;
    for (;;) {
        const auto open = macro.find('%', pos);
        if (open == std::string_view::npos) {
            result += macro.substr(pos);
            return result;
        }
        result += macro.substr(pos, open - pos);
        const auto close = macro.find('%', open + 1);
        if (close == std::string_view::npos) {
            result += MissingEndText;
            return result;
        }
        result += FormatItem(audio, macro.substr(open, close - open + 1), regional, expansion);
        pos = close + 1;
    }
}
