#pragma once

#include <span>
#include <string>
#include <string_view>

// The ID3v1 trailer holds 8-bit characters of one code page, chosen by the user (Windows-1252
// unless chosen otherwise) and handed to every read and write of a tag. These are the only places
// where trailer bytes become UTF-8 text and back. A byte the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D in Windows-1252) decodes to the control character of the same code and
// encodes back to that byte, so an unchanged tag is written back byte for byte.

// A code page tags can be read and written in: its iconv name (as stored in the settings) and
// the label the settings window lists it under. A small value, passed by value or reference.
struct TTagCodePage
{
    const char* Name;
    const char* Label;

    // the same code page: names equal ignoring case
    bool operator==(const TTagCodePage& other) const;
};

inline constexpr TTagCodePage DefaultTagCodePage{"WINDOWS-1252", "Windows-1252 (Western European)"};

// UTF-8 text of code-page bytes.
std::string DecodeTagText(std::string_view bytes,
                          const TTagCodePage& codePage = DefaultTagCodePage);

// What a text becomes in a code page: one byte per character, "?" for a character the code page
// lacks (or an invalid UTF-8 byte). Lossy tells whether any character was replaced so, that is,
// whether the text reads back as something else than it was.
struct TEncodedText
{
    std::string Bytes;
    bool Lossy = false;
};

// The one place that decides the bytes stored for a text, and whether characters were lost.
TEncodedText EncodeTagTextChecked(std::string_view text,
                                  const TTagCodePage& codePage = DefaultTagCodePage);

// The bytes of EncodeTagTextChecked alone.
std::string EncodeTagText(std::string_view text, const TTagCodePage& codePage = DefaultTagCodePage);

// Every code page offered, the default first. A code page that is not offered (a hand-made
// TTagCodePage) reads and writes as the default.
std::span<const TTagCodePage> TagCodePages();

// The offered code page of an iconv name, matched ignoring case; nullptr for any other name.
const TTagCodePage* FindTagCodePage(std::string_view name);

// The offered code page named `name`, or the default for a name that is not offered.
const TTagCodePage& TagCodePageOrDefault(std::string_view name);
