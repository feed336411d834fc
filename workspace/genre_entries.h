#pragma once

#include "engine/ascii_text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The entries of the genre box: every genre name, with "Other" and "Unknown" shown as
// "<unknown>", sorted without regard to case.
inline constexpr std::string_view UnknownGenreEntry = "<unknown>";

const std::vector<std::string>& GenreEntries();

// The entry that names a file's genre: "<unknown>" for "Other", "Unknown" and every genre
// without a name, else the genre's name.
std::string GenreEntryFor(std::uint8_t genre);

// Index of the entry equal to `text` without regard to case, or -1.
int FindGenreEntry(const std::vector<std::string>& entries, std::string_view text);

// The track box's text: two digits below 10 ("07"), plain decimal above.
std::string TrackText(std::uint8_t track);
