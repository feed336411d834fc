#pragma once

#include "engine/date_time.h"
#include "engine/mpeg_audio.h"
#include "engine/regional_settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The finished texts of one song of a catalogue run, each ready to replace its reserved word.
// Tag and file-name values are HTML-escaped; every field but SongName and SongsFileName ends in
// "&nbsp" so that a table cell is never empty.
struct THtmlSong
{
    std::string Title;         // title_from_tags
    std::string Artist;        // artist_from_tags
    std::string Album;         // album_from_tags
    std::string Year;          // year_from_tags
    std::string Comment;       // comment_from_tags
    std::string TrackNr;       // tracknr_from_tags
    std::string Genre;         // genre_from_tags
    std::string Duration;      // duration_from_tags
    std::string Size;          // size_from_tags
    std::string Version;       // version_from_tags
    std::string Mode;          // mode_from_tags
    std::string BitRate;       // bitrate_from_tags
    std::string SongName;      // song_name_from_tags
    std::string SongsFileName; // songs_file_name

    // The tag page's name on disk: SongsFileName before escaping and percent-encoding.
    std::string PageFileName;
};

// One entry per listed file, in list order; it grows with the list and has no fixed capacity.
using THtmlSongTable = std::vector<THtmlSong>;

// The values that stand for the page-wide reserved words, the same for every song of a run.
struct TPageValues
{
    std::string DateTime;      // var_date_time
    std::string CaptionHeader; // var_caption_header
    std::string Copyright;     // var_copyright
};

// The text of "var_caption_header"; it ends with a blank so the date can follow.
inline constexpr const char* CaptionHeaderText = "This Page was generated with Cantrel v2.0 at ";

// The text of "var_copyright".
inline constexpr const char* CopyrightText = "Cantrel &copy; Velmor";

// The reserved words of a template in the order a substitution pass takes them.
inline constexpr std::array<std::string_view, 17> ReservedWords{
    "title_from_tags",   "artist_from_tags",  "album_from_tags",    "year_from_tags",
    "tracknr_from_tags", "comment_from_tags", "genre_from_tags",    "duration_from_tags",
    "size_from_tags",    "version_from_tags", "mode_from_tags",     "song_name_from_tags",
    "songs_file_name",   "var_date_time",     "var_caption_header", "var_copyright",
    "bitrate_from_tags"};

// The text with "&", "<", ">", "\"" and "'" written as HTML character references, so that a
// value from a file of unknown origin shows as text and never becomes markup, whichever quotes a
// template uses; a byte that is not part of well-formed UTF-8 becomes U+FFFD.
std::string HtmlEscape(std::string_view text);

// The file name as one segment of a relative link: every byte but letters, digits, the marks
// "-._~!$&()*+,;=@" and well-formed non-ASCII characters is percent-encoded, so that blanks,
// "%", "#", "?", "\", ":", control characters and bytes that are not UTF-8 all reach the file.
std::string UrlPathEscape(std::string_view name);

// The song number of table index `index`: the index in decimal, padded with "0" to five digits
// ("00000", "00012"); from 100,000 on it simply has more digits.
std::string FormatSongNumber(std::size_t index);

// The file name without its folder and without its last four characters (the ".mp3"); empty
// when the name has four characters or fewer.
std::string FileNameNoExt(std::string_view path);

// "hh : nn . ss" of a playing time in seconds.
std::string FormatSongDuration(std::uint32_t seconds);

// The values of the song at table index `index`, from the file at `path` as `reader` analysed
// it. Tag and file-name texts are HTML-escaped, and the page name is percent-encoded as a link
// (UrlPathEscape) so that links to it work; a field that is only the "[notag]" placeholder becomes
// "&nbsp" alone.
THtmlSong MakeHtmlSong(const TMPEGAudio& reader, const std::string& path, std::size_t index);

// "dddd, dd - mmm - yyyy  /  hh : nn" with the regional day and short month names, such as
// "Sunday, 06 - Dec - 2026  /  09 : 05" (hours 0 to 23).
std::string FormatCatalogueDateTime(const TDateTime& now, const TRegionalSettings& regional);

// The page-wide values of a run made at `now`.
TPageValues MakePageValues(const TDateTime& now, const TRegionalSettings& regional);

// The text with the first occurrence of `word` replaced by `value`; unchanged without one.
std::string ReplaceFirst(std::string_view text, std::string_view word, std::string_view value);

// One substitution pass: each reserved word, in the order above, has its first occurrence in the
// running text replaced (case-sensitive, anywhere, even inside longer words). A value holding a
// word later in the order therefore gets that word replaced too; a second occurrence stays.
std::string SubstituteLine(std::string_view line, const THtmlSong& song, const TPageValues& page);
