#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text rules on ASCII alone, never on the process locale: only "A".."Z" and "a".."z" change case,
// every other byte (UTF-8 sequences included) stays as it is.

char AsciiLower(char c);
char AsciiUpper(char c);
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// -1, 0 or 1 as a sorts before, with or after b when ASCII case is ignored; bytes compare as
// unsigned, and a prefix sorts first.
int CompareIgnoringCase(std::string_view a, std::string_view b);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The value of a hexadecimal digit of either case, or -1 for any other character.
int HexDigitValue(char c);
// `byte` as two upper-case hexadecimal digits appended to `out`.
void AppendHexByte(std::string& out, unsigned char byte);

// An integer as settings store it: decimal with an optional sign, or "0x" followed by up to 32
// bits of hexadecimal digits that fill the 32 bits as they stand ("0xFFFFFFFF" is -1). Blanks
// around the number are allowed; anything else, or a decimal value outside 32 bits, is no number.
std::optional<std::int32_t> ParseStoredInteger(std::string_view text);
