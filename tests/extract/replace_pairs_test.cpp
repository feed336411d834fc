#include "extract/replace_pairs.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct TReplaceCase
{
    const char* Rule;
    std::string Value;
    TReplacePairs Pairs;
    std::string Expected;
};

TReplacePairs One(std::string what, std::string with)
{
    return {{{std::move(what), std::move(with)}}, 0};
}

TEST(ApplyReplacePairs, RestartsAndStopsByTheLengthRule)
{
    const TReplacePairs four = {{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}}, 1};
    const TReplaceCase cases[] = {
        {"the starting pair", "a_b_c", TReplacePairs{}, "a b c"},
        {"a replacement that creates an occurrence is replaced again", "abb", One("ab", "a"), "a"},
        {"the length rule ends a loop that keeps an occurrence near the start", "aaa",
         One("a", "ab"), "abaa"},
        {"only the pairs up to the selected one apply", "abcd", four, "12cd"},
        {"no selection leaves the value", "a_b", {{{"_", " "}}, -1}, "a_b"},
        {"a selection past the list leaves the value", "a_b", {{{"_", " "}}, 1}, "a_b"},
        {"an empty list leaves the value", "a_b", {{}, 0}, "a_b"},
        {"pairs apply in list order", "ab", {{{"a", "b"}, {"b", "c"}}, 1}, "cc"},
        {"lengths count characters, not bytes",
         "\xC3\xA9"
         "a",
         One("a", "aa"),
         "\xC3\xA9"
         "aa"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyReplacePairs(c.Value, c.Pairs), c.Expected) << c.Rule;
    }
}

TEST(ApplyReplacePairs, EndsLoopsThatWouldRunForever)
{
    const TReplaceCase cases[] = {
        {"an occurrence re-created at the end", "xa", One("a", "ba"), "xba"},
        {"a pair replacing a text by itself", "xa", One("a", "a"), "xa"},
        {"an occurrence re-created across the boundary", "xab", One("ab", "aab"), "xaab"},
        {"every occurrence is still replaced", "-a-a", One("a", "ba"), "-ba-ba"},
        {"a long name", std::string(250, 'x') + "a", One("a", "ba"), std::string(250, 'x') + "ba"},
        {"later pairs still apply", "xa", {{{"a", "ba"}, {"b", "c"}}, 1}, "xca"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyReplacePairs(c.Value, c.Pairs), c.Expected) << c.Rule;
    }
}

} // namespace

namespace {

// The plain restarting loop with the length rule, given up after `steps` replacements.
std::optional<std::string> PrescribedLoop(std::string text, const TReplacePair& pair, int steps)
{
    const std::size_t limit = text.size();
    auto p = text.find(pair.What);
    while (p != std::string::npos) {
        if (steps-- == 0) {
            return std::nullopt;
        }
        text.replace(p, pair.What.size(), pair.With);
        p = text.find(pair.What);
        if (p != std::string::npos && text.size() - p >= limit) {
            break;
        }
    }
    return text;
}

TEST(ApplyReplacePairs, KeepsTheResultOfEveryLoopThatEnds)
{
    // every pair and value over a two-letter alphabet up to a few letters, plus a separator
    std::vector<std::string> words = {""};
    for (std::size_t start = 0; words.back().size() < 4;) {
        const std::size_t end = words.size();
        for (std::size_t i = start; i < end; ++i) {
            for (const char c : std::string("ab-")) {
                words.push_back(words[i] + c);
            }
        }
        start = end;
    }
    int ended = 0;
    int endless = 0;
    for (const auto& what : words) {
        if (what.empty() || what.size() > 2) {
            continue;
        }
        for (const auto& with : words) {
            if (with.empty() || with.size() > 3) {
                continue;
            }
            for (const auto& value : words) {
                const TReplacePair pair{what, with};
                const auto expected = PrescribedLoop(value, pair, 200);
                const auto result = ApplyReplacePairs(value, {{pair}, 0});
                if (expected) {
                    ++ended;
                    ASSERT_EQ(result, *expected) << what << " -> " << with << " on " << value;
                } else {
                    ++endless;
                }
            }
        }
    }
    EXPECT_GT(endless, 0);
    EXPECT_GT(ended, endless);
}

} // namespace
