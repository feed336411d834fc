#pragma once

#include "engine/ascii_text.h"

#include <string_view>

// File and folder names are byte strings. They are ordered ignoring the case of ASCII letters
// (compared as small letters); names equal in that order are ordered byte by byte, so names that
// differ only in case keep a fixed order and are never taken for one another.

// The full order: ignoring case first, then bytes.
bool NameOrderLess(std::string_view a, std::string_view b);
