#pragma once

#include <string>
#include <string_view>

// The text as a JSON string literal, quotes included. Quotes, backslashes and control characters
// are escaped; a byte that is not part of valid UTF-8 (file names need not be UTF-8) becomes
// U+FFFD, so that the output is always valid JSON.
std::string JsonString(std::string_view text);
