#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The seven fields of an ID3v1 tag. Texts are UTF-8 (decoded from the trailer's code page) and
// hold at most 30 characters (Year 4).
struct TTagRecord
{
    std::string Title = "[notag]";
    std::string Artist = "[notag]";
    std::string Album = "[notag]";
    std::string Year = "    ";
    std::string Comment = "[notag]";
    std::uint8_t Genre = 255;
    std::uint8_t Track = 0;

    bool operator==(const TTagRecord&) const = default;
};

inline constexpr std::size_t TagTrailerSize = 128;
inline constexpr std::size_t TagTextLimit = 30;
inline constexpr std::size_t TagYearLimit = 4;

using TTagTrailer = std::array<std::uint8_t, TagTrailerSize>;

// The bytes of one field up to its first zero byte, without trailing spaces and zero bytes
// (leading spaces stay). Works on trailer bytes, before any decoding.
std::string TrimTagText(std::string_view bytes);

// The tag of a 128-byte trailer, or nothing when it does not start with "TAG".
std::optional<TTagRecord> ParseTagTrailer(const TTagTrailer& trailer);

// The 128 bytes of a trailer holding the record.
TTagTrailer BuildTagTrailer(const TTagRecord& tag);

// Removes one trailer from the end of the file. 0 on success (also when there is none), -1 when
// the file does not exist, otherwise the errno value of the failure (EACCES for a read-only file).
int RemoveTagTrailer(const std::string& path);

// Replaces the file's trailer by the record's (appends one when it has none); same codes. A
// failure at any point leaves the file with its old trailer or the new one, whole.
int WriteTagTrailer(const std::string& path, const TTagRecord& tag);

// The same with the trailer's 128 bytes as they are, so that a trailer put back is the very one
// that was there, whatever it holds after the first zero byte of a field.
int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer);
