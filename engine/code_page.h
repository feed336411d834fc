#pragma once

#include <string>
#include <string_view>

// The ID3v1 trailer holds 8-bit characters of one code page, Windows-1252. These are the only
// places where trailer bytes become UTF-8 text and back. A byte the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decodes to the control character of the same code and encodes
// back to that byte, so an unchanged tag is written back byte for byte.

// UTF-8 text of code-page bytes.
std::string DecodeTagText(std::string_view bytes);

// Code-page bytes of UTF-8 text, one byte per character; a character the code page lacks (or an
// invalid UTF-8 byte) becomes "?".
std::string EncodeTagText(std::string_view text);
