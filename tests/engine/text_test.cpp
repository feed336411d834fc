#include "engine/ascii_text.h"
#include "engine/code_page.h"
#include "engine/utf8.h"

#include <array>
#include <gtest/gtest.h>
#include <iconv.h>
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

TEST(Utf8, CutsCountsAndChecksCharacters)
{
    const std::tuple<const char*, std::string, std::size_t, std::string, std::size_t> cases[] = {
        {"ascii is cut by bytes", "abcdef", 3, "abc", 6},
        {"a two-byte letter is one character", "\xC3\xA9t\xC3\xA9", 2, "\xC3\xA9t", 3},
        {"a cut never splits a character", "a\xE2\x82\xAC", 2, "a\xE2\x82\xAC", 2},
        {"an invalid byte counts as one character", "\377\376ab", 3, "\377\376a",
         4}, // octal: a hex escape would take the letters
        {"a truncated sequence counts byte by byte", "a\xE2\x82", 2, "a\xE2", 3},
        {"a shorter text stays whole", "ab", 30, "ab", 2},
    };
    for (const auto& [rule, text, count, left, length] : cases) {
        EXPECT_EQ(Utf8Left(text, count), left) << rule;
        EXPECT_EQ(Utf8Length(text), length) << rule;
        EXPECT_EQ(Utf8Left(text, count) + Utf8From(text, count), text) << rule;
    }
    EXPECT_TRUE(IsValidUtf8("Caf\xC3\xA9"));
    EXPECT_FALSE(IsValidUtf8("Caf\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // a UTF-16 surrogate
}

// What iconv makes of each byte of a code page: the UTF-8 text, or the control code of the byte
// where the code page leaves it undefined.
std::array<std::string, 256> IconvTexts(const char* name)
{
    std::array<std::string, 256> texts;
    iconv_t converter = iconv_open("UTF-8", name);
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << name;
    for (int byte = 0; byte < 256; ++byte) {
        char in[1] = {static_cast<char>(byte)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            texts[byte] = std::string(out, outPtr);
        } else {
            texts[byte] = {static_cast<char>(0xC0 | byte >> 6),
                           static_cast<char>(0x80 | (byte & 0x3F))};
        }
    }
    iconv_close(converter);
    return texts;
}

TEST(CodePage, EveryByteSurvivesARoundTripInEveryCodePage)
{
    for (const TTagCodePage& page : TagCodePages()) {
        // each name reads its own table and is listed under its own label
        const std::string_view label = page.Label;
        EXPECT_TRUE(EqualsIgnoringCase(label.substr(0, label.find(' ')), page.Name)) << label;
        const std::array<std::string, 256> texts = IconvTexts(page.Name);
        for (int byte = 0; byte < 256; ++byte) {
            const std::string bytes(1, static_cast<char>(byte));
            EXPECT_EQ(DecodeTagText(bytes, page), texts[byte]) << page.Name << ' ' << byte;
            EXPECT_EQ(EncodeTagText(texts[byte], page), bytes) << page.Name << ' ' << byte;
        }
    }
}

TEST(CodePage, TheChosenCodePageReadsAndWritesTags)
{
    const std::tuple<const char*, const char*, std::string, std::string> cases[] = {
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
    for (const auto& [rule, name, bytes, text] : cases) {
        const TTagCodePage page{name, ""};
        EXPECT_EQ(DecodeTagText(bytes, page), text) << rule;
        EXPECT_EQ(EncodeTagText(text, page), bytes) << rule;
        EXPECT_FALSE(EncodeTagTextChecked(text, page).Lossy) << rule;
    }
    // what the code page cannot hold is written as a question mark, and said to be lost
    const std::tuple<const char*, std::string, std::string, bool> unwritable[] = {
        {"a letter outside the code page", "\xD0\x96uk", "?uk", true}, // Cyrillic Zhe
        {"a character beyond the basic plane", "a\xF0\x9F\x8E\xB5", "a?", true},
        {"an invalid UTF-8 byte", "a\377b", "a?b", true},
        {"a C1 control the code page defines otherwise", "\xC2\x80", "?", true},
        {"a question mark typed is no loss", "Why?", "Why?", false},
    };
    for (const auto& [rule, text, bytes, lossy] : unwritable) {
        const TEncodedText encoded = EncodeTagTextChecked(text);
        EXPECT_EQ(encoded.Bytes, bytes) << rule;
        EXPECT_EQ(encoded.Lossy, lossy) << rule;
    }
    // only offered code pages are chosen
    const std::pair<const char*, std::string_view> stored[] = {
        {"KOI8-R", "KOI8-R"},       {"iso-8859-15", "ISO-8859-15"}, {"UTF-8", "WINDOWS-1252"},
        {"_NONE_", "WINDOWS-1252"}, {"", "WINDOWS-1252"},
    };
    for (const auto& [text, chosen] : stored) {
        EXPECT_EQ(TagCodePageOrDefault(text).Name, chosen) << text;
    }
}

} // namespace
