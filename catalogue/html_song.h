#pragma once

#include <string>
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
