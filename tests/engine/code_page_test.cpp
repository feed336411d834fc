#include "engine/code_page.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(CodePage, EveryByteSurvivesARoundTrip)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        EXPECT_EQ(EncodeTagText(DecodeTagText(bytes)), bytes) << byte;
    }
}

TEST(CodePage, DecodesWindows1252)
{
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"ascii stays", "Abba 1974", "Abba 1974"},
        {"latin-1 letters", "Caf\xE9 \xFC", "Caf\xC3\xA9 \xC3\xBC"},
        {"the euro sign at 0x80", "\x80", "\xE2\x82\xAC"},
        {"curly quotes at 0x93 0x94", "\x93x\x94", "\xE2\x80\x9Cx\xE2\x80\x9D"},
        {"undefined 0x81 is its control code", "\x81", "\xC2\x81"},
        {"undefined 0x9D is its control code", "\x9D", "\xC2\x9D"},
    };
    for (const auto& [rule, bytes, text] : cases) {
        EXPECT_EQ(DecodeTagText(bytes), text) << rule;
        EXPECT_EQ(EncodeTagText(text), bytes) << rule;
    }
}

TEST(CodePage, WritesWhatItCannotHoldAsQuestionMarks)
{
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"a letter outside the code page", "\xD0\x96uk", "?uk"},           // Cyrillic Zhe
        {"a character beyond the basic plane", "a\xF0\x9F\x8E\xB5", "a?"}, // musical note
        {"an invalid UTF-8 byte",
         "a\xFF"
         "b",
         "a?b"},
        {"a C1 control the code page defines otherwise", "\xC2\x80", "?"},
    };
    for (const auto& [rule, text, bytes] : cases) {
        EXPECT_EQ(EncodeTagText(text), bytes) << rule;
    }
}

} // namespace
