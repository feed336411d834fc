#pragma once

#include <QString>

#include <string>

// Paths are byte strings inside the program; a window converts them only to show them, and a
// path typed or picked in a window only to hand it on. Names that are not valid UTF-8 are shown
// with replacement characters but kept as bytes everywhere else.
QString DisplayPath(const std::string& path);
std::string PathBytes(const QString& path);

// A file: URL that names exactly these bytes, for the desktop's "open".
QString FileUrl(const std::string& path);
