#include "engine/tag_record.h"

#include "engine/code_page.h"
#include "engine/utf8.h"

#include <algorithm>

namespace {

// Offsets and sizes of the fields inside the 128-byte trailer.
constexpr std::size_t TitleOffset = 3;
constexpr std::size_t ArtistOffset = 33;
constexpr std::size_t AlbumOffset = 63;
constexpr std::size_t YearOffset = 93;
constexpr std::size_t CommentOffset = 97;
constexpr std::size_t TrackOffset = 126;
constexpr std::size_t GenreOffset = 127;

std::string_view FieldBytes(const TTagTrailer& trailer, std::size_t offset, std::size_t size)
{
    return {reinterpret_cast<const char*>(trailer.data()) + offset, size};
}

std::string FieldText(const TTagTrailer& trailer, std::size_t offset, std::size_t size)
{
    return DecodeTagText(TrimTagText(FieldBytes(trailer, offset, size)));
}

void PutField(TTagTrailer& trailer, std::size_t offset, std::string_view text, std::size_t limit)
{
    // one byte per character, so cutting the bytes cuts the characters
    const std::string bytes = EncodeTagText(Utf8Left(text, limit));
    std::copy_n(bytes.begin(), std::min(bytes.size(), limit), trailer.begin() + offset);
}

} // namespace

std::string TrimTagText(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    const auto last = bytes.find_last_not_of(std::string_view(" \0", 2));
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : bytes.substr(0, last + 1));
}

std::optional<TTagRecord> ParseTagTrailer(const TTagTrailer& trailer)
{
    if (FieldBytes(trailer, 0, 3) != "TAG") {
        return std::nullopt;
    }
    TTagRecord tag;
    tag.Title = FieldText(trailer, TitleOffset, TagTextLimit);
    tag.Artist = FieldText(trailer, ArtistOffset, TagTextLimit);
    tag.Album = FieldText(trailer, AlbumOffset, TagTextLimit);
    tag.Year = FieldText(trailer, YearOffset, TagYearLimit);
    // the comment runs over the track byte: an ID3v1.1 comment stops at its zero byte 125
    tag.Comment = FieldText(trailer, CommentOffset, TagTextLimit);
    tag.Track = trailer[TrackOffset];
    tag.Genre = trailer[GenreOffset];
    return tag;
}

TTagTrailer BuildTagTrailer(const TTagRecord& tag)
{
    TTagTrailer trailer{};
    std::copy_n("TAG", 3, trailer.begin());
    PutField(trailer, TitleOffset, tag.Title, TagTextLimit);
    PutField(trailer, ArtistOffset, tag.Artist, TagTextLimit);
    PutField(trailer, AlbumOffset, tag.Album, TagTextLimit);
    PutField(trailer, YearOffset, tag.Year, TagYearLimit);
    PutField(trailer, CommentOffset, tag.Comment, TagTextLimit);
    trailer[GenreOffset] = tag.Genre;
    // always written, even 0, over the 30th comment character
    trailer[TrackOffset] = tag.Track;
    return trailer;
}
