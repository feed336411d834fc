#include "engine/mpeg_audio.h"

#include "engine/genre_names.h"
#include "engine/utf8.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 4> VersionNames = {"Unknown", "1.0", "2.0", "2.5"};
constexpr std::array<std::string_view, 4> LayerNames = {"Unknown", "I", "II", "III"};
constexpr std::array<std::string_view, 4> ModeNames = {"Stereo", "Joint-Stereo", "Dual-Channel",
                                                       "Single-Channel"};

// Fields are public, so a code may be out of range; it reads "Unknown" then.
std::string_view NameOf(const std::array<std::string_view, 4>& names, std::uint8_t code)
{
    return code < names.size() ? names[code] : std::string_view("Unknown");
}

} // namespace

bool TMPEGAudio::IsValid() const
{
    return FileLength > 5 && Version != 0 && Layer != 0 && FileAge != 0 && BitRate > 0 &&
           SampleRate > 0;
}

void TMPEGAudio::SetTitle(std::string_view text)
{
    Title = Utf8Left(text, TagTextLimit);
}

void TMPEGAudio::SetArtist(std::string_view text)
{
    Artist = Utf8Left(text, TagTextLimit);
}

void TMPEGAudio::SetAlbum(std::string_view text)
{
    Album = Utf8Left(text, TagTextLimit);
}

void TMPEGAudio::SetYear(std::string_view text)
{
    Year = Utf8Left(text, TagYearLimit);
}

void TMPEGAudio::SetComment(std::string_view text)
{
    Comment = Utf8Left(text, TagTextLimit);
}

void TMPEGAudio::SetGenre(std::uint8_t genre)
{
    Genre = genre;
}

void TMPEGAudio::SetTrack(std::uint8_t track)
{
    Track = track;
}

TTagRecord TMPEGAudio::Tag() const
{
    return {Title, Artist, Album, Year, Comment, Genre, Track};
}

std::string_view TMPEGAudio::GenreName() const
{
    return ::GenreName(Genre);
}

std::string_view TMPEGAudio::VersionName() const
{
    return NameOf(VersionNames, Version);
}

std::string_view TMPEGAudio::LayerName() const
{
    return NameOf(LayerNames, Layer);
}

std::string_view TMPEGAudio::ModeName() const
{
    return NameOf(ModeNames, Mode);
}

TDateTime TMPEGAudio::DurationTime() const
{
    TDateTime time;
    time.Hour = Duration / 3600;
    time.Minute = Duration % 3600 / 60;
    time.Second = Duration % 60;
    return time;
}
