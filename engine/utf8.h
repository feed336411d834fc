#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text is UTF-8 inside the program; limits count characters, never bytes. A byte that does not
// start a valid sequence counts as one character of its own, so every byte string can be cut.

// Number of bytes of the character starting at text[pos] (1 for an invalid byte).
std::size_t Utf8CharSize(std::string_view text, std::size_t pos);

// Number of characters in the text.
std::size_t Utf8Length(std::string_view text);

// The first `count` characters (the whole text when it is shorter); never splits a character.
std::string Utf8Left(std::string_view text, std::size_t count);

// The text from character `first` (0-based) on; empty when the text is shorter.
std::string Utf8From(std::string_view text, std::size_t first);

// True when every byte belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view text);
