#include "engine/code_page.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(CodePage, EveryByteSurvivesARoundTripInEveryCodePage)
{
    for (const TTagCodePage& page : TagCodePages()) {
        for (int byte = 0; byte < 256; ++byte) {
            const std::string bytes(1, static_cast<char>(byte));
            EXPECT_EQ(EncodeTagText(DecodeTagText(bytes, page), page), bytes)
                << page.Name << ' ' << byte;
        }
    }
}

TEST(CodePage, TheChosenCodePageReadsAndWritesTags)
{
    const struct
    {
        const char* Rule;
        const char* Page;
        std::string Bytes;
        std::string Text;
    } cases[] = {
        {"Cyrillic in Windows-1251", "windows-1251", "\xC6\xE8\xE7\xED\xFC",
         "\xD0\x96\xD0\xB8\xD0\xB7\xD0\xBD\xD1\x8C"},
        {"the same bytes are Western in Windows-1252", "WINDOWS-1252", "\xC6\xE8",
         "\xC3\x86\xC3\xA8"},
        {"a code page that is not offered reads as Windows-1252", "UTF-8", "\xC6\xE8",
         "\xC3\x86\xC3\xA8"},
        {"the euro sign at 0x80", "WINDOWS-1252", "\x80", "\xE2\x82\xAC"},
        {"undefined 0x81 is its control code", "WINDOWS-1252", "\x81", "\xC2\x81"},
        {"undefined 0x9D is its control code", "WINDOWS-1252", "\x9D", "\xC2\x9D"},
    };
    for (const auto& c : cases) {
        const TTagCodePage page{c.Page, ""};
        EXPECT_EQ(DecodeTagText(c.Bytes, page), c.Text) << c.Rule;
        EXPECT_EQ(EncodeTagText(c.Text, page), c.Bytes) << c.Rule;
    }
}

TEST(CodePage, OnlyOfferedCodePagesAreChosen)
{
    const struct
    {
        const char* Stored;
        std::string_view Chosen;
    } cases[] = {
        {"KOI8-R", "KOI8-R"},       {"iso-8859-15", "ISO-8859-15"}, {"UTF-8", "WINDOWS-1252"},
        {"_NONE_", "WINDOWS-1252"}, {"", "WINDOWS-1252"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TagCodePageOrDefault(c.Stored).Name, c.Chosen) << c.Stored;
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
