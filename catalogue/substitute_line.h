#pragma once

#include "catalogue/html_song.h"
#include "catalogue/page_values.h"

#include <array>
#include <string>
#include <string_view>

// The reserved words of a template in the order a substitution pass takes them.
inline constexpr std::array<std::string_view, 17> ReservedWords{
    "title_from_tags",   "artist_from_tags",  "album_from_tags",    "year_from_tags",
    "tracknr_from_tags", "comment_from_tags", "genre_from_tags",    "duration_from_tags",
    "size_from_tags",    "version_from_tags", "mode_from_tags",     "song_name_from_tags",
    "songs_file_name",   "var_date_time",     "var_caption_header", "var_copyright",
    "bitrate_from_tags"};

// The text with the first occurrence of `word` replaced by `value`; unchanged without one.
std::string ReplaceFirst(std::string_view text, std::string_view word, std::string_view value);

// One substitution pass: each reserved word, in the order above, has its first occurrence in the
// running text replaced (case-sensitive, anywhere, even inside longer words). A value holding a
// word later in the order therefore gets that word replaced too; a second occurrence stays.
std::string SubstituteLine(std::string_view line, const THtmlSong& song, const TPageValues& page);
