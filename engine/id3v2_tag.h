#pragma once

#include <optional>
#include <string>

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

// What reading a file's ID3v2 tag found.
struct TId3v2Reading
{
    bool Opened = false;                // false: the file could not be opened for reading
    std::optional<TId3v2Fields> Fields; // nothing when the file has no ID3v2 tag

    bool operator==(const TId3v2Reading&) const = default;
};

// Reads the ID3v2 tag at the head of the file (versions 2.2 to 2.4, unsynchronised or not, with
// or without an extended header, in any of their text encodings). The file is opened for reading
// only and never changed.
TId3v2Reading ReadId3v2Tag(const std::string& path);
