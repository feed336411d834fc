#include "engine/code_page.h"

#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <iconv.h>
#include <iterator>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace {

const TTagCodePage CodePages[] = {
    DefaultTagCodePage,
    {"WINDOWS-1250", "Windows-1250 (Central European)"},
    {"WINDOWS-1251", "Windows-1251 (Cyrillic)"},
    {"WINDOWS-1253", "Windows-1253 (Greek)"},
    {"WINDOWS-1254", "Windows-1254 (Turkish)"},
    {"WINDOWS-1257", "Windows-1257 (Baltic)"},
    {"ISO-8859-1", "ISO-8859-1 (Latin-1)"},
    {"ISO-8859-2", "ISO-8859-2 (Latin-2)"},
    {"ISO-8859-15", "ISO-8859-15 (Latin-9)"},
    {"KOI8-R", "KOI8-R (Russian)"},
    {"CP437", "CP437 (DOS United States)"},
    {"CP850", "CP850 (DOS Western European)"},
};

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// UTF-8 of a code point.
std::string EncodeUtf8(char32_t code)
{
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

// The code point of one well-formed UTF-8 sequence.
char32_t DecodeUtf8(std::string_view sequence)
{
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1) {
        return lead;
    }
    char32_t code = lead & (0x7F >> sequence.size());
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return code;
}

// The code page as two tables, built once through iconv: the UTF-8 text of every byte, and the
// byte of every code point above 0x7F, sorted for lookup.
class TCodePage
{
public:
    explicit TCodePage(const char* name)
    {
        iconv_t converter = iconv_open("UTF-8", name);
        for (unsigned byte = 0; byte < 256; ++byte) {
            std::string text = byte < 0x80 ? std::string(1, static_cast<char>(byte))
                                           : ConvertByte(converter, static_cast<char>(byte));
            // an undefined byte (or no converter at all) stands for the control code of its value
            if (text.empty()) {
                text = EncodeUtf8(byte);
            }
            if (byte >= 0x80) {
                Upper.emplace_back(DecodeUtf8(text), static_cast<char>(byte));
            }
            Texts[byte] = std::move(text);
        }
        if (converter != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(converter);
        }
        std::sort(Upper.begin(), Upper.end());
    }

    const std::string& Text(unsigned char byte) const { return Texts[byte]; }

    // The byte of a code point, '?' when the code page lacks it.
    char Byte(char32_t code) const
    {
        if (code < 0x80) {
            return static_cast<char>(code);
        }
        const auto found = std::lower_bound(
            Upper.begin(), Upper.end(), code,
            [](const auto& entry, char32_t wanted) { return entry.first < wanted; });
        return found != Upper.end() && found->first == code ? found->second : '?';
    }

private:
    static std::string ConvertByte(iconv_t converter, char byte)
    {
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return {};
        }
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        char in[1] = {byte};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof(out);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            return {};
        }
        return std::string(out, outPtr);
    }

    std::array<std::string, 256> Texts;
    std::vector<std::pair<char32_t, char>> Upper;
};

constexpr std::size_t CodePageCount = std::size(CodePages);

std::size_t IndexOf(const TTagCodePage& page)
{
    for (std::size_t i = 0; i < CodePageCount; ++i) {
        if (CodePages[i].Name == page.Name || SameName(CodePages[i].Name, page.Name)) {
            return i;
        }
    }
    return 0;
}

// The tables of a code page, built on first use and never changed after: a cache of what iconv
// says, not a choice, so any thread may read any code page's tables at any time.
const TCodePage& CodePage(const TTagCodePage& page)
{
    static std::array<std::once_flag, CodePageCount> built;
    static std::array<std::unique_ptr<const TCodePage>, CodePageCount> tables;
    const std::size_t index = IndexOf(page);
    std::call_once(built[index], [index] {
        tables[index] = std::make_unique<const TCodePage>(CodePages[index].Name);
    });
    return *tables[index];
}

} // namespace

bool TTagCodePage::operator==(const TTagCodePage& other) const
{
    return SameName(Name, other.Name);
}

std::string DecodeTagText(std::string_view bytes, const TTagCodePage& page)
{
    const TCodePage& codePage = CodePage(page);
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text += codePage.Text(static_cast<unsigned char>(byte));
    }
    return text;
}

TEncodedText EncodeTagTextChecked(std::string_view text, const TTagCodePage& page)
{
    const TCodePage& codePage = CodePage(page);
    TEncodedText encoded;
    encoded.Bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        const bool invalid = size == 1 && static_cast<unsigned char>(text[pos]) >= 0x80;
        const char32_t code = invalid ? U'?' : DecodeUtf8(text.substr(pos, size));
        const char byte = invalid ? '?' : codePage.Byte(code);
        // a "?" stands for a lost character unless the text had a "?" there
        encoded.Lossy = encoded.Lossy || invalid || (byte == '?' && code != U'?');
        encoded.Bytes += byte;
        pos += size;
    }
    return encoded;
}

std::string EncodeTagText(std::string_view text, const TTagCodePage& page)
{
    return EncodeTagTextChecked(text, page).Bytes;
}

std::span<const TTagCodePage> TagCodePages()
{
    return CodePages;
}

const TTagCodePage* FindTagCodePage(std::string_view name)
{
    for (const TTagCodePage& page : CodePages) {
        if (SameName(page.Name, name)) {
            return &page;
        }
    }
    return nullptr;
}

const TTagCodePage& TagCodePageOrDefault(std::string_view name)
{
    const TTagCodePage* page = FindTagCodePage(name);
    return page != nullptr ? *page : CodePages[0];
}
