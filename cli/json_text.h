#pragma once

#include <string>
#include <string_view>

// The text as a JSON string literal, quotes included. Quotes, backslashes and control characters
// are escaped. A byte that is not part of valid UTF-8 (file names need not be) is written as
// \u00XX, the character of the same number, so the output is always valid JSON and still shows
// which byte stood there.
std::string JsonString(std::string_view text);

// The text as one line of plain key=value output: a backslash becomes \\, a line feed \n, a tab
// \t and every other control character \xHH, so that a value is always one line and cannot pose
// as another key. Everything else stays as it is.
std::string LineText(std::string_view text);
