#include "extract/replace_pairs.h"

#include "engine/utf8.h"

#include <optional>
#include <unordered_set>

namespace {

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

} // namespace

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
