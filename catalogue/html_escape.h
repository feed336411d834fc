#pragma once

#include <string>
#include <string_view>

// The text with "&", "<", ">" and "\"" written as HTML character references, so that a value
// from a file of unknown origin shows as text and never becomes markup.
std::string HtmlEscape(std::string_view text);

// The file name with "%", "#" and "?" percent-encoded, so that a link to the file finds it
// instead of stopping at a fragment or a query. Other characters stay as they are.
std::string UrlPathEscape(std::string_view name);
