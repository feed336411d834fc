#include "engine/code_page.h"

#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cstdint>
#include <iconv.h>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace {

const TTagCodePage CodePages[] = {
    {"WINDOWS-1252", "Windows-1252 (Western European)"},
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

// Tables are built once per code page and live until the program ends, so the selected one can
// be read without a lock while another thread selects.
class TCodePages
{
public:
    const TCodePage* Table(const char* name)
    {
        const std::lock_guard lock(Guard);
        auto& table = Tables[name];
        if (!table) {
            table = std::make_unique<TCodePage>(name);
        }
        return table.get();
    }

    std::atomic<const TCodePage*> Selected{nullptr};
    std::atomic<const char*> SelectedName{CodePages[0].Name};

private:
    std::mutex Guard;
    std::map<std::string, std::unique_ptr<TCodePage>> Tables;
};

TCodePages& AllCodePages()
{
    static TCodePages pages;
    return pages;
}

const TCodePage& CodePage()
{
    TCodePages& pages = AllCodePages();
    const TCodePage* selected = pages.Selected.load();
    if (selected == nullptr) {
        selected = pages.Table(pages.SelectedName.load());
        pages.Selected.store(selected);
    }
    return *selected;
}

} // namespace

std::string DecodeTagText(std::string_view bytes)
{
    const TCodePage& codePage = CodePage();
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text += codePage.Text(static_cast<unsigned char>(byte));
    }
    return text;
}

std::string EncodeTagText(std::string_view text)
{
    const TCodePage& codePage = CodePage();
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        const bool invalid = size == 1 && static_cast<unsigned char>(text[pos]) >= 0x80;
        bytes += invalid ? '?' : codePage.Byte(DecodeUtf8(text.substr(pos, size)));
        pos += size;
    }
    return bytes;
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

std::string_view TagCodePageOrDefault(std::string_view name)
{
    const TTagCodePage* page = FindTagCodePage(name);
    return page != nullptr ? page->Name : DefaultTagCodePage;
}

bool SelectTagCodePage(std::string_view name)
{
    const TTagCodePage* page = FindTagCodePage(name);
    if (page == nullptr) {
        return false;
    }
    TCodePages& pages = AllCodePages();
    pages.Selected.store(pages.Table(page->Name));
    pages.SelectedName.store(page->Name);
    return true;
}

std::string_view SelectedTagCodePage()
{
    return AllCodePages().SelectedName.load();
}

TTagCodePageScope::TTagCodePageScope(std::string_view name) : Previous(SelectedTagCodePage())
{
    SelectTagCodePage(name);
}

TTagCodePageScope::~TTagCodePageScope()
{
    SelectTagCodePage(Previous);
}
