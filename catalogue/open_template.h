#pragma once

#include "catalogue/line_reader.h"

#include <string>

// Opens a template for reading. Returns why it cannot be read ("template missing" or
// "cannot read template: ..."), or "" when the reader is open.
std::string OpenTemplate(TLineReader& reader, const std::string& path);
