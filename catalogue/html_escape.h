#pragma once

#include <string>
#include <string_view>

// The text with "&", "<", ">" and "\"" written as HTML character references, so that a value
// from a file of unknown origin shows as text and never becomes markup.
std::string HtmlEscape(std::string_view text);
