#include "engine/ascii_text.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(AsciiText, FoldsOnlyAsciiLetters)
{
    EXPECT_EQ(AsciiUpper("a-z\xC3\xA9i@[`{"), "A-Z\xC3\xA9I@[`{");
    EXPECT_EQ(AsciiLower("A-Z\xC3\x89I@[`{"), "a-z\xC3\x89i@[`{");
    const std::tuple<const char*, const char*, int> cases[] = {
        {"Rock", "rOCK", 0}, {"a", "B", -1},   {"_", "a", -1}, // "_" lies between "Z" and "a"
        {"ab", "a", 1},      {"\xE9", "z", 1}, {"", "", 0},
    };
    for (const auto& [a, b, order] : cases) {
        EXPECT_EQ(CompareIgnoringCase(a, b), order) << a << " " << b;
        EXPECT_EQ(EqualsIgnoringCase(a, b), order == 0) << a << " " << b;
    }
}

TEST(AsciiText, ParsesStoredIntegers)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"42", 42},
        {" -7\t", -7},
        {"+3", 3},
        {"0x70", 112},
        {"0XfF", 255},
        {"0xFFFFFFFF", -1}, // eight hex digits fill the 32 bits
        {"0x7FFFFFFF", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt},
        {"0x-1", std::nullopt},
        {"0x 1", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1 2", std::nullopt},
        {"$10", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseStoredInteger(text), expected) << "'" << text << "'";
    }
}

} // namespace
