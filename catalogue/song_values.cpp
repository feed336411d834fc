#include "catalogue/song_values.h"

#include "engine/genre_names.h"
#include "engine/path_parts.h"
#include "engine/utf8.h"

namespace {

// Characters a link may hold as they are: letters, digits and the marks that have no meaning in
// a relative path. ":" is left out, as it would make the first segment a scheme ("c:song.htm").
bool IsLinkSafe(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~!$&()*+,;=@").find(c) != std::string_view::npos;
}

std::string TwoDigits(std::int64_t value)
{
    std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

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

std::string HtmlEscape(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        const char c = text[pos];
        if (size > 1) {
            result.append(text.substr(pos, size));
            pos += size;
            continue;
        }
        ++pos;
        // a page declares UTF-8: a stray byte would break the text around it
        if (static_cast<unsigned char>(c) >= 0x80) {
            result += "\xEF\xBF\xBD";
            continue;
        }
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        case '\'':
            result += "&#39;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string UrlPathEscape(std::string_view name)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        const auto byte = static_cast<unsigned char>(name[pos]);
        const std::size_t size = Utf8CharSize(name, pos);
        if (IsLinkSafe(name[pos]) || (byte >= 0x80 && size > 1)) {
            // a well-formed non-ASCII character is allowed in a link and stays readable
            result.append(name.substr(pos, size));
        } else {
            result += '%';
            result += Hex[byte >> 4];
            result += Hex[byte & 0x0F];
        }
        pos += size;
    }
    return result;
}

std::string FormatSongNumber(std::size_t index)
{
    std::string number = std::to_string(index);
    if (number.size() < 5) {
        number.insert(0, 5 - number.size(), '0');
    }
    return number;
}

std::string FileNameNoExt(std::string_view path)
{
    const std::string name = NamePart(path);
    const std::size_t length = Utf8Length(name);
    return length <= 4 ? std::string() : Utf8Left(name, length - 4);
}

std::string FormatSongDuration(std::uint32_t seconds)
{
    return TwoDigits(seconds / 3600) + " : " + TwoDigits(seconds % 3600 / 60) + " . " +
           TwoDigits(seconds % 60);
}

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

std::string FormatCatalogueDateTime(const TDateTime& now, const TRegionalSettings& regional)
{
    // an unknown date (all zero) must not index the name tables out of range
    const int month = now.Month >= 1 && now.Month <= 12 ? now.Month : 1;
    const std::string& dayName = regional.LongDayNames[static_cast<std::size_t>(now.DayOfWeek())];
    const std::string& monthName = regional.ShortMonthNames[static_cast<std::size_t>(month - 1)];
    std::string year = std::to_string(now.Year);
    while (year.size() < 4) {
        year.insert(0, 1, '0');
    }
    return dayName + ", " + TwoDigits(now.Day) + " - " + monthName + " - " + year + "  /  " +
           TwoDigits(now.Hour) + " : " + TwoDigits(now.Minute);
}

TPageValues MakePageValues(const TDateTime& now, const TRegionalSettings& regional)
{
    return {FormatCatalogueDateTime(now, regional), CaptionHeaderText, CopyrightText};
}

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
