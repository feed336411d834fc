#pragma once

#include "catalogue/html_song.h"
#include "support/mp3_fixture.h"

#include <string>
#include <vector>

// Golden pages are compared line by line. A page's lines must each end in CR LF; a rest
// without one shows up as a line marked "<no CR LF>".
inline std::vector<std::string> PageLines(const std::filesystem::path& path)
{
    const std::string content = ReadBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const auto end = content.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(content.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The two songs of the worked example as the table holds them: Intro.mp3 with a tag (title
// Intro, artist Band, 185 seconds) and Outro.mp3 without one (62 seconds).
inline THtmlSongTable ExampleSongs()
{
    THtmlSong intro;
    intro.Title = "Intro&nbsp";
    intro.Artist = "Band&nbsp";
    intro.Year = "&nbsp";
    intro.Genre = "Rock&nbsp";
    intro.TrackNr = "1&nbsp";
    intro.Duration = "00 : 03 . 05&nbsp";
    intro.SongName = "Intro";
    intro.SongsFileName = intro.PageFileName = "Intro_00000.htm";
    THtmlSong outro;
    outro.Title = "Outro.mp3&nbsp";
    outro.Artist = "&nbsp";
    outro.Year = "    &nbsp";
    outro.Genre = "&lt;unknown&gt;&nbsp";
    outro.TrackNr = "0&nbsp";
    outro.Duration = "00 : 01 . 02&nbsp";
    outro.SongName = "Outro";
    outro.SongsFileName = outro.PageFileName = "Outro_00001.htm";
    return {intro, outro};
}
