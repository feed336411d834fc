#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The new full name a file-name macro gives a file: the file's folder (with a final "/"), the
// expanded macro and ".mp3".
std::string MacroFullName(std::string_view currentFile, std::string_view expandedMacro);

// Characters of the name part of a new full name. Both "/" and "\" end a folder, because the
// rename treats a "\" of the expanded macro as a subfolder.
std::size_t NewNameLength(std::string_view fullName);

// Longest name part (extension included) that fits a CD.
inline constexpr std::size_t CdNameLimit = 64;

inline bool ExceedsCdLimit(std::size_t length)
{
    return length > CdNameLimit;
}
