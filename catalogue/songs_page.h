#pragma once

#include "catalogue/html_failure.h"
#include "catalogue/html_song.h"
#include "catalogue/page_values.h"

#include <string>
#include <string_view>

inline constexpr std::string_view BeginRepetitionMarker = "<!-- begin_repetition -->";
inline constexpr std::string_view EndRepetitionMarker = "<!-- end_repetition -->";

// Writes htmlFolder + "_songs.htm" from the template templateFolder + "_songs.htm" (both folders
// end in "/"). Lines between a begin and an end marker line (exact whole lines) form a block
// that is written once per song in table order, each copy starting with an empty line (a later
// block stands alone). Without an end marker the template's last line follows the block. Every
// other line is written after one substitution pass with empty song values. A missing template
// or a page that cannot be written is added to the failures. Nothing happens for an empty table.
void WriteSongsPage(const THtmlSongTable& songs, const TPageValues& page,
                    const std::string& templateFolder, const std::string& htmlFolder,
                    THtmlFailures& failures);
