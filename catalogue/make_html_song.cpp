#include "catalogue/make_html_song.h"

#include "catalogue/html_escape.h"
#include "catalogue/song_values.h"
#include "engine/genre_names.h"

#include <string_view>

namespace {

constexpr std::string_view Nbsp = "&nbsp";
constexpr std::string_view NoTagCell = "[notag]&nbsp";

// The finished cell text of a value: escaped, "&nbsp" appended, the placeholder dropped.
std::string Cell(std::string_view value)
{
    std::string cell = HtmlEscape(value);
    cell += Nbsp;
    return cell == NoTagCell ? std::string(Nbsp) : cell;
}

} // namespace

THtmlSong MakeHtmlSong(const TMPEGAudio& reader, const std::string& path, std::size_t index)
{
    THtmlSong song;
    song.Title = Cell(reader.Title);
    song.Artist = Cell(reader.Artist);
    song.Album = Cell(reader.Album);
    song.Year = Cell(reader.Year);
    song.Comment = Cell(reader.Comment);
    song.TrackNr = Cell(std::to_string(reader.Track));
    song.Genre = Cell(GenreName(reader.Genre));
    song.Duration = Cell(FormatSongDuration(reader.Duration));
    song.Size = Cell(std::to_string(reader.FileLength / 1024) + " Kb");
    song.Version = Cell("MPEG  " + std::to_string(reader.Version) + "  Layer  " +
                        std::to_string(reader.Layer));
    song.Mode = Cell(reader.ModeName());
    song.BitRate = Cell(std::to_string(reader.BitRate) + " bps");
    const std::string songName = FileNameNoExt(path);
    song.SongName = HtmlEscape(songName);
    song.PageFileName = songName + "_" + FormatSongNumber(index) + ".htm";
    // the page name mostly serves as a link target
    song.SongsFileName = HtmlEscape(UrlPathEscape(song.PageFileName));
    return song;
}
