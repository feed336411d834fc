#include "catalogue/substitute_line.h"

std::string ReplaceFirst(std::string_view text, std::string_view word, std::string_view value)
{
    const auto at = text.find(word);
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size() - word.size() + value.size());
    result.append(text.substr(0, at));
    result.append(value);
    result.append(text.substr(at + word.size()));
    return result;
}

std::string SubstituteLine(std::string_view line, const THtmlSong& song, const TPageValues& page)
{
    // the values in the order of ReservedWords
    const std::array<const std::string*, ReservedWords.size()> values{
        &song.Title,     &song.Artist,   &song.Album,         &song.Year,     &song.TrackNr,
        &song.Comment,   &song.Genre,    &song.Duration,      &song.Size,     &song.Version,
        &song.Mode,      &song.SongName, &song.SongsFileName, &page.DateTime, &page.CaptionHeader,
        &page.Copyright, &song.BitRate};
    std::string text(line);
    // every reserved word contains "_"; a line without one is copied as it stands
    if (text.find('_') == std::string::npos) {
        return text;
    }
    for (std::size_t i = 0; i < ReservedWords.size(); ++i) {
        if (text.find(ReservedWords[i]) != std::string::npos) {
            text = ReplaceFirst(text, ReservedWords[i], *values[i]);
        }
    }
    return text;
}
