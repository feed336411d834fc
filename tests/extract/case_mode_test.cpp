#include "extract/case_mode.h"

#include <gtest/gtest.h>

namespace {

struct TCaseCase
{
    const char* Rule;
    std::string Value;
    TCaseMode Mode;
    std::string Expected;
};

TEST(ApplyCase, ChangesOnlyAsciiLetters)
{
    const TCaseCase cases[] = {
        {"none leaves the text", "MiXed 1", TCaseMode::cmNone, "MiXed 1"},
        {"lower", "ABC def 12", TCaseMode::cmLower, "abc def 12"},
        {"upper", "abc DEF 12", TCaseMode::cmUpper, "ABC DEF 12"},
        {"upper keeps accented letters", "\xC3\xA9t\xC3\xA9", TCaseMode::cmUpper,
         "\xC3\xA9T\xC3\xA9"},
        {"lower keeps accented letters", "\xC3\x89T\xC3\x89", TCaseMode::cmLower,
         "\xC3\x89t\xC3\x89"},
        {"only the space separates words", "hello WORLD-foo  bar", TCaseMode::cmCapitalize,
         "Hello World-foo  Bar"},
        {"a bracket is part of a word", "(the end)", TCaseMode::cmCapitalize, "(the End)"},
        {"a leading space capitalizes the next letter", " abc", TCaseMode::cmCapitalize, " Abc"},
        {"digits start a word that stays lower case", "4EVER young", TCaseMode::cmCapitalize,
         "4ever Young"},
        {"a letter after an accented one is lowered", "\xC3\xA9T\xC3\xA9", TCaseMode::cmCapitalize,
         "\xC3\xA9t\xC3\xA9"},
        {"the empty text", "", TCaseMode::cmCapitalize, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyCase(c.Value, c.Mode), c.Expected) << c.Rule;
    }
}

} // namespace
