#pragma once

#include <string>
#include <string_view>

// Cuts one field out of `workingText` between a left and a right separator and moves
// `workingText` on to the right separator, so that it starts the next field. Searches are
// case-sensitive and find the first occurrence; an empty separator never matches.
//
// "%NONE" as left separator starts the field at the beginning of the text and leaves the text
// as it is. "%END" as right separator is searched as ".mp"; after a real left separator the field
// then runs to the text's fourth-last character, the extension being taken as four characters
// long. Gives the empty text when a separator does not occur.
std::string ExtractField(std::string& workingText, std::string_view left, std::string_view right);
