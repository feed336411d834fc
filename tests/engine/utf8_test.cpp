#include "engine/utf8.h"

#include <gtest/gtest.h>

namespace {

struct TCutCase
{
    const char* Rule;
    std::string Text;
    std::size_t Count;
    std::string Expected;
    std::size_t Length;
};

TEST(Utf8, CutsAndCountsCharacters)
{
    const TCutCase cases[] = {
        {"ascii is cut by bytes", "abcdef", 3, "abc", 6},
        {"a two-byte letter is one character", "\xC3\xA9t\xC3\xA9", 2, "\xC3\xA9t", 3},
        {"a cut never splits a character", "a\xE2\x82\xAC", 2, "a\xE2\x82\xAC", 2},
        {"an invalid byte counts as one character",
         "\xFF\xFE"
         "ab",
         3,
         "\xFF\xFE"
         "a",
         4},
        {"a truncated sequence counts byte by byte", "a\xE2\x82", 2, "a\xE2", 3},
        {"a shorter text stays whole", "ab", 30, "ab", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8Left(c.Text, c.Count), c.Expected) << c.Rule;
        EXPECT_EQ(Utf8Length(c.Text), c.Length) << c.Rule;
        EXPECT_EQ(Utf8Left(c.Text, c.Count) + Utf8From(c.Text, c.Count), c.Text) << c.Rule;
    }
}

TEST(Utf8, RecognisesValidText)
{
    EXPECT_TRUE(IsValidUtf8("Caf\xC3\xA9"));
    EXPECT_FALSE(IsValidUtf8("Caf\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // a UTF-16 surrogate
}

} // namespace
