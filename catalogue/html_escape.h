#pragma once

#include <string>
#include <string_view>

// The text with "&", "<", ">" and "\"" written as HTML character references, so that a value
// from a file of unknown origin shows as text and never becomes markup.
std::string HtmlEscape(std::string_view text);

// The file name as one segment of a relative link: every byte but letters, digits, the marks
// "-._~!$&()*+,;=@" and well-formed non-ASCII characters is percent-encoded, so that blanks,
// "%", "#", "?", "\", ":", control characters and bytes that are not UTF-8 all reach the file.
std::string UrlPathEscape(std::string_view name);
