#pragma once

#include <string>
#include <string_view>

// The text a formula runs on, made from a file's full path: with the path included, the path
// without its root ("/home/ann/a.mp3" gives "home/ann/a.mp3"); otherwise the file name alone.
// Both keep the extension.
std::string ExtractionText(std::string_view fullPath, bool pathIncluded);
