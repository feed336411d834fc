#include "extract/value_rules.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(ApplyCase, ChangesOnlyAsciiLetters)
{
    using enum TCaseMode;
    const std::tuple<const char*, std::string, TCaseMode, std::string> cases[] = {
        {"none leaves the text", "MiXed 1", cmNone, "MiXed 1"},
        {"lower keeps accented letters", "\xC3\x89T\xC3\x89", cmLower, "\xC3\x89t\xC3\x89"},
        {"upper keeps accented letters", "\xC3\xA9t\xC3\xA9", cmUpper, "\xC3\xA9T\xC3\xA9"},
        {"only a space separates words", "ab CD-eF  gh", cmCapitalize, "Ab Cd-ef  Gh"},
        {"a leading space starts a word", " abc", cmCapitalize, " Abc"},
        {"digits start a word, kept lower case", "4EVER young", cmCapitalize, "4ever Young"},
        {"after an accented letter: lower", "\xC3\xA9T\xC3\xA9", cmCapitalize, "\xC3\xA9t\xC3\xA9"},
        {"the empty text", "", cmCapitalize, ""},
        // a euro sign, a CJK letter and a musical note: three- and four-byte characters
        {"upper keeps longer characters",
         "\xE2\x82\xAC"
         "a \xF0\x9F\x8E\xB5"
         "b",
         cmUpper,
         "\xE2\x82\xAC"
         "A \xF0\x9F\x8E\xB5"
         "B"},
        {"lower keeps longer characters", "\xE4\xB8\xADX \xF0\x9F\x8E\xB5Y", cmLower,
         "\xE4\xB8\xADx \xF0\x9F\x8E\xB5y"},
        {"words starting with longer characters", "\xE2\x82\xACuRO \xF0\x9F\x8E\xB5noTE x",
         cmCapitalize, "\xE2\x82\xACuro \xF0\x9F\x8E\xB5note X"},
    };
    for (const auto& [rule, value, mode, expected] : cases) {
        EXPECT_EQ(ApplyCase(value, mode), expected) << rule;
    }
}

TReplacePairs One(std::string what, std::string with)
{
    return {{{std::move(what), std::move(with)}}, 0};
}

// How one pair's loop restarts and ends is checked against the plain loop below.
TEST(ApplyReplacePairs, RestartsSelectsAndEndsEveryLoop)
{
    const TReplacePairs four = {{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}}, 1};
    const std::tuple<const char*, std::string, TReplacePairs, std::string> cases[] = {
        {"the starting pair", "a_b_c", TReplacePairs{}, "a b c"},
        {"the length rule ends a loop near the start", "aaa", One("a", "ab"), "abaa"},
        {"only the pairs up to the selected one apply", "abcd", four, "12cd"},
        {"no selection leaves the value", "a_b", {{{"_", " "}}, -1}, "a_b"},
        {"a selection past the list leaves the value", "a_b", {{{"_", " "}}, 1}, "a_b"},
        {"pairs apply in list order", "ab", {{{"a", "b"}, {"b", "c"}}, 1}, "cc"},
        {"lengths count characters, not bytes", "\xC3\xA9z", One("z", "zz"), "\xC3\xA9zz"},
        {"a long name", std::string(250, 'x') + "a", One("a", "ba"), std::string(250, 'x') + "ba"},
        {"later pairs still apply", "xa", {{{"a", "ba"}, {"b", "c"}}, 1}, "xca"},
    };
    for (const auto& [rule, value, pairs, expected] : cases) {
        EXPECT_EQ(ApplyReplacePairs(value, pairs), expected) << rule;
    }
}

// The plain restarting loop with the length rule, given up after `steps` replacements.
std::optional<std::string> PlainLoop(std::string text, const TReplacePair& pair, int steps)
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
    // every word over "a", "b" and "-" up to four letters as value, pairs of shorter words
    std::vector<std::string> words = {""};
    for (std::size_t i = 0; words[i].size() < 4; ++i) {
        for (const char c : std::string("ab-")) {
            words.push_back(words[i] + c);
        }
    }
    int ended = 0;
    int endless = 0;
    for (const auto& what : words) {
        for (const auto& with : words) {
            if (what.empty() || what.size() > 2 || with.empty() || with.size() > 3) {
                continue;
            }
            for (const auto& value : words) {
                const TReplacePair pair{what, with};
                const auto expected = PlainLoop(value, pair, 200);
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

TEST(TrackByte, ReadsIntegersAndKeepsTheLowByte)
{
    // integers, "$" hexadecimal, a sign; nothing else around them, and no more than 32 bits
    const std::pair<const char*, std::uint8_t> cases[] = {
        {"07", 7},          {"300", 44},         {"  5", 5},        {"+3", 3},
        {"-1", 255},        {"$1F", 31},         {"$ff", 255},      {"-$10", 240},
        {"$FFFFFFFF", 255}, {"2147483647", 255}, {"-2147483648", 0}};
    for (const auto& [text, byte] : cases) {
        EXPECT_EQ(TrackByte(text), byte) << "'" << text << "'";
    }
    for (const char* text :
         {"5 ", "", "+", "$", "1a", "$1G", "0x10", "2147483648", "$100000000", "\t5"}) {
        EXPECT_EQ(TrackByte(text), std::nullopt) << "'" << text << "'";
    }
}

} // namespace
