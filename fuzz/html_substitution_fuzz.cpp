// A catalogue template line filled with one song: the first line is the template line, the next
// ones the file's path and tag texts (title, artist, album, year, comment), then a line of
// bytes for the numbers.

#include "catalogue/song_values.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <cctype>

namespace {

// Markup-free: no byte that could open or close a tag or an attribute, and every "&" begins a
// character reference ("&amp;", "&#39;", or the "&nbsp" every cell ends with).
bool IsInert(std::string_view text)
{
    if (text.find_first_of("<>\"'") != std::string_view::npos || !IsValidUtf8(text)) {
        return false;
    }
    for (auto amp = text.find('&'); amp != std::string_view::npos; amp = text.find('&', amp + 1)) {
        std::size_t end = amp + 1;
        if (end < text.size() && text[end] == '#') {
            ++end;
        }
        const std::size_t nameStart = end;
        while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
        const bool closed = end < text.size() && text[end] == ';';
        const bool nbsp = text.substr(amp, end - amp) == "&nbsp";
        if (end == nameStart || !(closed || nbsp)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput input(data, size);
    const std::string_view line = input.Line();
    const std::string path(input.Line());

    TMPEGAudio audio;
    for (auto* text : {&audio.Title, &audio.Artist, &audio.Album, &audio.Year, &audio.Comment}) {
        *text = std::string(input.Line());
    }
    const std::string_view numbers = input.Line();
    const auto number = [&numbers](std::size_t index) {
        return index < numbers.size() ? static_cast<std::uint8_t>(numbers[index]) : 0;
    };
    audio.Genre = number(0);
    audio.Track = number(1);
    audio.Version = number(2) % 4;
    audio.Mode = number(3) % 4;
    audio.BitRate = number(4) * 2;
    audio.Duration = static_cast<std::uint16_t>(number(5) << 8 | number(6));
    audio.FileLength = std::int64_t{number(7)} << 24;
    audio.FileName = path;

    const THtmlSong song = MakeHtmlSong(audio, path, number(8));
    for (const auto* value : {&song.Title, &song.Artist, &song.Album, &song.Year, &song.Comment,
                              &song.TrackNr, &song.Genre, &song.Duration, &song.Size, &song.Version,
                              &song.Mode, &song.BitRate, &song.SongName, &song.SongsFileName}) {
        FUZZ_CHECK(IsInert(*value));
    }
    FUZZ_CHECK(IsInert(HtmlEscape(input.Remaining())));

    const TPageValues page = MakePageValues(TDateTime{2026, 12, 6, 9, 5, 0}, TRegionalSettings());
    // whatever the values hold, the markup of the filled line is the template's own
    const std::string filled = SubstituteLine(line, song, page);
    FUZZ_CHECK(std::count(filled.begin(), filled.end(), '<') ==
               std::count(line.begin(), line.end(), '<'));
    FUZZ_CHECK(std::count(filled.begin(), filled.end(), '>') ==
               std::count(line.begin(), line.end(), '>'));
    return 0;
}
