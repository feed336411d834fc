#pragma once

#include "engine/tag_values.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The texts the main window's panels show for a file: the stream data, the genre and track
// boxes, and the length of the name the file-name macro would give.

// The texts of the stream-data panels. Each value is followed by two spaces, because the panels
// align right and the text must not touch the frame.

// "hh : nn . ss", two digits each.
std::string DurationText(int hours, int minutes, int seconds);

// "500 Bytes", "4.90 Kb" (the part after the point is not padded), "3.2 Mb"; nothing from
// 1 GiB on, where the panel keeps what it showed.
std::optional<std::string> FileSizeText(std::int64_t length);

// "MPEG  1  Layer  3  ".
std::string VersionText(int version, int layer);

std::string ModeText(std::string_view modeName);
std::string BitRateText(std::int32_t bitRate);
std::string PlainNumberText(std::int64_t value);

// --- genre and track boxes

// The entries of the genre box: every genre name, with "Other" and "Unknown" shown as
// UnknownGenreText, sorted without regard to case.
inline constexpr std::string_view UnknownGenreEntry = UnknownGenreText;

const std::vector<std::string>& GenreEntries();

// The entry that names a file's genre: UnknownGenreText for "Other", "Unknown" and every genre
// without a name, else the genre's name.
std::string GenreEntryFor(std::uint8_t genre);

// Index of the entry equal to `text` without regard to case, or -1.
int FindGenreEntry(const std::vector<std::string>& entries, std::string_view text);

// The track box's text: two digits below 10 ("07"), plain decimal above.
std::string TrackText(std::uint8_t track);

// --- the new name's length

// The new full name a file-name macro gives a file: the file's folder (with a final "/"), the
// expanded macro and ".mp3".
std::string MacroFullName(std::string_view currentFile, std::string_view expandedMacro);

// Characters of the name part of a new full name. Both "/" and "\" end a folder, because the
// rename treats a "\" of the expanded macro as a subfolder.
std::size_t NewNameLength(std::string_view fullName);

// Longest name part (extension included) that fits a CD.
inline constexpr std::size_t CdNameLimit = 64;

inline bool ExceedsCdLimit(std::size_t length)
{
    return length > CdNameLimit;
}
