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

std::string FieldText(const TTagTrailer& trailer, std::size_t offset, std::size_t size,
                      const TTagCodePage& codePage)
{
    return DecodeTagText(TrimTagText(FieldBytes(trailer, offset, size)), codePage);
}

void PutField(TTagTrailer& trailer, std::size_t offset, std::string_view text, std::size_t limit,
              const TTagCodePage& codePage)
{
    // one byte per character, so cutting the bytes cuts the characters
    const std::string bytes = EncodeTagText(Utf8Left(text, limit), codePage);
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

std::optional<TTagRecord> ParseTagTrailer(const TTagTrailer& trailer, const TTagCodePage& codePage)
{
    if (FieldBytes(trailer, 0, 3) != "TAG") {
        return std::nullopt;
    }
    TTagRecord tag;
    tag.Title = FieldText(trailer, TitleOffset, TagTextLimit, codePage);
    tag.Artist = FieldText(trailer, ArtistOffset, TagTextLimit, codePage);
    tag.Album = FieldText(trailer, AlbumOffset, TagTextLimit, codePage);
    tag.Year = FieldText(trailer, YearOffset, TagYearLimit, codePage);
    // the comment runs over the track byte: an ID3v1.1 comment stops at its zero byte 125
    tag.Comment = FieldText(trailer, CommentOffset, TagTextLimit, codePage);
    tag.Track = trailer[TrackOffset];
    tag.Genre = trailer[GenreOffset];
    return tag;
}

TTagTrailer BuildTagTrailer(const TTagRecord& tag, const TTagCodePage& codePage)
{
    TTagTrailer trailer{};
    std::copy_n("TAG", 3, trailer.begin());
    PutField(trailer, TitleOffset, tag.Title, TagTextLimit, codePage);
    PutField(trailer, ArtistOffset, tag.Artist, TagTextLimit, codePage);
    PutField(trailer, AlbumOffset, tag.Album, TagTextLimit, codePage);
    PutField(trailer, YearOffset, tag.Year, TagYearLimit, codePage);
    PutField(trailer, CommentOffset, tag.Comment, TagTextLimit, codePage);
    trailer[GenreOffset] = tag.Genre;
    // always written, even 0, over the 30th comment character
    trailer[TrackOffset] = tag.Track;
    return trailer;
}
