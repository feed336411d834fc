#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace TagLib::ID3v2 {
class Frame;
}

// The seven fields an ID3v2 tag can give an ID3v1 tag, as the ID3v2 tag holds them, in UTF-8.
// A field is present when the tag has its frame with a text that is not empty: an empty frame
// has nothing to give.
struct TId3v2Fields
{
    std::optional<std::string> Title;   // TIT2
    std::optional<std::string> Artist;  // TPE1
    std::optional<std::string> Album;   // TALB
    std::optional<std::string> Year;    // the recording date TDRC (TYER in older tags)
    std::optional<std::string> Comment; // the first COMM frame without a description
    std::optional<std::string> Genre;   // the first value of TCON: "17", "(17)" or a name
    std::optional<std::string> Track;   // the first value of TRCK: "3" or "3/12"

    bool operator==(const TId3v2Fields&) const = default;
};

// The fields in the order of an ID3v1 tag's: title, artist, album, year, comment, genre, track.
inline constexpr std::array<std::optional<std::string> TId3v2Fields::*, 7> Id3v2FieldOrder = {
    &TId3v2Fields::Title,   &TId3v2Fields::Artist, &TId3v2Fields::Album, &TId3v2Fields::Year,
    &TId3v2Fields::Comment, &TId3v2Fields::Genre,  &TId3v2Fields::Track};

// What reading a file's ID3v2 tag found.
struct TId3v2Reading
{
    bool Opened = false;                // false: the file could not be opened for reading
    std::optional<TId3v2Fields> Fields; // nothing when the file has no ID3v2 tag

    bool operator==(const TId3v2Reading&) const = default;
};

// The length of the ID3v2 tag that `head` (the first bytes of a file) starts with, its 10-byte
// header included; 0 when it starts with none. A tag is "ID3", major version 2 to 4, a revision
// other than 0xFF, a flag byte and a syncsafe size.
std::size_t Id3v2TagLength(const std::uint8_t* head, std::size_t size);

// Writes `value` (below 2^28) at `at` as the four-byte syncsafe number of an ID3v2 header: seven
// bits a byte, the highest first.
void PutSyncSafe(char* at, std::size_t value);

// The size of the frame after the 10-byte frame header at `header`, as a 2.3 tag (`syncSafe`
// false) or a 2.4 tag (true) gives it.
std::uint32_t Id3v2FrameSize(const std::uint8_t* header, bool syncSafe);

// The fields of the ID3v2 tag `tag` holds from its first byte on (versions 2.2 to 2.4,
// unsynchronised or not, with or without an extended header, in any of their text encodings);
// nothing when it starts with no tag. A tag cut short by the end of its file is read as far as
// it goes.
std::optional<TId3v2Fields> ParseId3v2Tag(const std::uint8_t* tag, std::size_t size);

// The text a frame holds, as the fields above are read from it: its values (as 2.4 allows several)
// joined by " ", or with `firstValue` only the first; nothing when it is empty.
std::optional<std::string> Id3v2FrameText(const TagLib::ID3v2::Frame& frame, bool firstValue);

// The tag `tag` holds (its first `length` bytes, all of them there) as TagLib renders it anew: a
// 2.3 tag as 2.3, any other as 2.4, without unsynchronisation, extended header or padding, so that
// its frames can be walked by their sizes. Nothing when TagLib finds no frames in it.
std::optional<std::string> PlainId3v2Tag(const std::uint8_t* tag, std::size_t length);

// Reads the ID3v2 tag at the head of the file. The file is opened for reading only and never
// changed.
TId3v2Reading ReadId3v2Tag(const std::string& path);
