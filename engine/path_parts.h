#pragma once

#include <string>
#include <string_view>

// Paths are byte strings with "/" as the folder separator.

// The text after the last "/" (the whole path when there is none).
std::string NamePart(std::string_view path);

// The text up to and including the last "/" (empty when there is none).
std::string FolderPart(std::string_view path);

// The folder with exactly one "/" at its end ("" stays "").
std::string WithTrailingSlash(std::string_view folder);

// The path made absolute against the current folder, with "." and ".." folded and repeated
// slashes removed; symbolic links are not resolved. An empty path gives the current folder.
std::string ExpandFullPath(std::string_view path);

// The path without its root: "/home/ann/a.mp3" becomes "home/ann/a.mp3".
std::string PathWithoutRoot(std::string_view path);
