#pragma once

#include <span>
#include <string>
#include <string_view>

// The ID3v1 trailer holds 8-bit characters of one code page, chosen by the user (Windows-1252
// unless chosen otherwise). These are the only places where trailer bytes become UTF-8 text and
// back. A byte the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D in Windows-1252)
// decodes to the control character of the same code and encodes back to that byte, so an
// unchanged tag is written back byte for byte.

// UTF-8 text of code-page bytes.
std::string DecodeTagText(std::string_view bytes);

// Code-page bytes of UTF-8 text, one byte per character; a character the code page lacks (or an
// invalid UTF-8 byte) becomes "?".
std::string EncodeTagText(std::string_view text);

// --- the code page of the tags

// A code page tags can be read and written in: its iconv name (as stored in the settings) and
// the label the settings window lists it under.
struct TTagCodePage
{
    const char* Name;
    const char* Label;
};

inline constexpr std::string_view DefaultTagCodePage = "WINDOWS-1252";

// Every code page offered, the default first.
std::span<const TTagCodePage> TagCodePages();

// The offered code page of an iconv name, matched ignoring case; nullptr for any other name.
const TTagCodePage* FindTagCodePage(std::string_view name);

// The offered name for `name`, or the default for a name that is not offered.
std::string_view TagCodePageOrDefault(std::string_view name);

// Makes every later read and write of tag text use this code page, for the whole process. False
// (and nothing changes) for a name that is not offered.
bool SelectTagCodePage(std::string_view name);
std::string_view SelectedTagCodePage();

// Selects a code page for as long as it lives, then the one selected before (a command-line run
// or a test that must not leave its choice behind).
class TTagCodePageScope
{
public:
    explicit TTagCodePageScope(std::string_view name);
    ~TTagCodePageScope();
    TTagCodePageScope(const TTagCodePageScope&) = delete;
    TTagCodePageScope& operator=(const TTagCodePageScope&) = delete;

private:
    std::string_view Previous;
};
