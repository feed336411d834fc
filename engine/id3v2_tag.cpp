#include "engine/id3v2_tag.h"

#include <cstdint>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tfilestream.h>
#include <unistd.h>

// TagLib does the parsing: ID3v2 comes in three versions with their own frame names (2.2 has
// three-letter ones), unsynchronisation, extended headers and four text encodings. TagLib hands
// every frame over under its 2.4 name, so TT2 and TIT2 both arrive as TIT2 and a year of an older
// tag (TYE, TYER) as TDRC.

namespace {

std::optional<std::string> Utf8(const TagLib::String& text)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text.to8Bit(true);
}

// The frame's text; several values (as 2.4 allows) joined by " ". `firstValue`: only the first.
std::optional<std::string> TextFrame(const TagLib::ID3v2::Tag& tag, const char* id,
                                     bool firstValue = false)
{
    const TagLib::ID3v2::FrameList& frames = tag.frameList(id);
    if (frames.isEmpty()) {
        return std::nullopt;
    }
    const auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(frames.front());
    if (firstValue && text != nullptr) {
        const TagLib::StringList values = text->fieldList();
        return values.isEmpty() ? std::nullopt : Utf8(values.front());
    }
    return Utf8(frames.front()->toString());
}

// The comment players show: the first COMM frame without a description (the others carry
// things such as "iTunNORM" volume data).
std::optional<std::string> Comment(const TagLib::ID3v2::Tag& tag)
{
    for (const TagLib::ID3v2::Frame* frame : tag.frameList("COMM")) {
        const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame);
        if (comment != nullptr && comment->description().isEmpty()) {
            return Utf8(comment->text());
        }
    }
    return std::nullopt;
}

std::uint32_t SyncSafe(const TagLib::ByteVector& bytes, unsigned offset)
{
    std::uint32_t value = 0;
    for (unsigned i = offset; i < offset + 4; ++i) {
        value = (value << 7) | (static_cast<unsigned char>(bytes[i]) & 0x7F);
    }
    return value;
}

// The 10-byte header of a tag: "ID3", major version 2 to 4, a revision, flags and a syncsafe size.
bool IsTagHeader(const TagLib::ByteVector& header)
{
    if (header.size() != 10 || !header.startsWith("ID3") || header[3] < 2 || header[3] > 4 ||
        static_cast<unsigned char>(header[4]) == 0xFF) {
        return false;
    }
    return ((header[6] | header[7] | header[8] | header[9]) & 0x80) == 0;
}

// TagLib 1.13 takes the size of an extended header wrongly: a 2.3 one's as if it counted itself
// as in 2.4 (losing every frame), a 2.4 one's off the frames twice (losing the last ones when
// there is no padding). The extended header holds nothing the fields need, so it is taken out:
// the flag (bit 6) cleared, the size lessened. Left in when it cannot be cut out exactly.
void DropExtendedHeader(TagLib::ByteVector& tag)
{
    const bool version3 = tag[3] == 3;
    if (tag[3] == 2 || (tag[5] & 0x40) == 0 || tag.size() < 14) {
        return;
    }
    // 2.3 gives the size after the size field as a plain number, 2.4 the whole size syncsafe
    const std::uint32_t extended = version3 ? 4 + tag.toUInt(10U, true) : SyncSafe(tag, 10);
    // an unsynchronised 2.3 tag has its extended header unsynchronised too: exact only without
    // a 0xFF in it
    const bool unsynchronised = version3 && (tag[5] & 0x80) != 0;
    if (extended > tag.size() - 10 || (unsynchronised && tag.mid(10, extended).find('\xFF') >= 0)) {
        return;
    }
    TagLib::ByteVector header = tag.mid(0, 10);
    header[5] = static_cast<char>(header[5] & ~0x40);
    const std::uint32_t frames = SyncSafe(header, 6) - extended;
    for (unsigned i = 0; i < 4; ++i) {
        header[6 + i] = static_cast<char>((frames >> (7 * (3 - i))) & 0x7F);
    }
    tag = header.append(tag.mid(10 + extended));
}

// The tag at the very start of the file, header and frames, as TagLib is to read it; nothing when
// the file does not start with one. Only a tag there counts, as players read it (TagLib would
// take "ID3" anywhere before the first MPEG frame for one). TagLib reads the tag from memory,
// so it does not go on to look for other tags at the end of the file.
std::optional<TagLib::ByteVector> HeadTag(TagLib::IOStream& stream)
{
    const TagLib::ByteVector header = stream.readBlock(10);
    if (!IsTagHeader(header)) {
        return std::nullopt;
    }
    // in one read; a tag cut short by the end of the file is handed over as far as it goes
    stream.seek(0);
    TagLib::ByteVector tag = stream.readBlock(10 + SyncSafe(header, 6));
    DropExtendedHeader(tag);
    return tag;
}

TId3v2Fields FieldsOf(const TagLib::ID3v2::Tag& tag)
{
    TId3v2Fields fields;
    fields.Title = TextFrame(tag, "TIT2");
    fields.Artist = TextFrame(tag, "TPE1");
    fields.Album = TextFrame(tag, "TALB");
    fields.Year = TextFrame(tag, "TDRC");
    if (!fields.Year) {
        fields.Year = TextFrame(tag, "TYER");
    }
    fields.Comment = Comment(tag);
    fields.Genre = TextFrame(tag, "TCON", true);
    fields.Track = TextFrame(tag, "TRCK", true);
    return fields;
}

// The fields of the tag at the head of `stream`, nothing when it has no ID3v2 tag.
std::optional<TId3v2Fields> ReadFields(TagLib::IOStream& stream)
{
    // no audio properties: only the tags are read
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (!file.hasID3v2Tag()) {
        return std::nullopt;
    }
    return FieldsOf(*file.ID3v2Tag(false));
}

} // namespace

TId3v2Reading ReadId3v2Tag(const std::string& path)
{
    TId3v2Reading reading;
    // Opened without blocking and read only when it is a regular file: a pipe or device with the
    // name of a song must not stall the reading.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat info = {};
    if (fd < 0) {
        return reading;
    }
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return reading;
    }
    try {
        // read-only, and no file object is ever saved: nothing is written; the stream closes the
        // descriptor once it has taken it
        TagLib::FileStream stream(fd, true);
        if (!stream.isOpen()) {
            ::close(fd);
            return reading;
        }
        reading.Opened = true;
        if (const auto tag = HeadTag(stream)) {
            TagLib::ByteVectorStream copy(*tag);
            reading.Fields = ReadFields(copy);
        }
    } catch (const std::exception&) {
        // a tag TagLib cannot take apart (out of memory on a damaged size) counts as none
        reading.Fields.reset();
    }
    return reading;
}
