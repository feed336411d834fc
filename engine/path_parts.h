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

// Makes `full` the absolute path that names what the system names by `path`: a relative path
// gets the working folder in front (an empty one is the working folder itself); when it has "."
// or ".." parts, the system resolves it up to the last of them, symbolic links included, since a
// ".." behind a link leads out of the link's target, not back to where the link stands. Repeated
// slashes are dropped. Returns 0, or the errno value when the system refuses the path: ENOENT
// when the working folder no longer exists (`full` is then `path` as given, never taken from
// "/"), ENOTDIR for "song.mp3/.", ENOENT for "gone/..". `full` then holds the path as far as it
// could be made.
int MakeFullPath(std::string_view path, std::string& full);

// As MakeFullPath with `workingFolder` (as WorkingFolder gave it) for the working folder, so that
// a command resolving many paths asks the system for it once.
int MakeFullPathIn(std::string_view workingFolder, std::string_view path, std::string& full);

// The working folder as the system names it; 0, or the errno value when it has none (ENOENT once
// the folder was removed).
int WorkingFolder(std::string& folder);

// The path without its root: "/home/ann/a.mp3" becomes "home/ann/a.mp3".
std::string PathWithoutRoot(std::string_view path);
