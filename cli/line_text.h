#pragma once

#include <string>
#include <string_view>

// The text as one line of plain output: a backslash becomes \\, a line feed \n, a tab \t and
// every other control character \xHH, so that a value is always one line and cannot pose as
// another key or field. Everything else stays as it is.
std::string LineText(std::string_view text);

// The same appended to `line`, for output built up in one buffer.
void AppendLineText(std::string& line, std::string_view text);
