#include "engine/id3v2_tag.h"

#include "engine/block_reader.h"
#include "engine/file_handle.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/textidentificationframe.h>
#include <vector>

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

// The text of the first frame `id`.
std::optional<std::string> TextFrame(const TagLib::ID3v2::Tag& tag, const char* id,
                                     bool firstValue = false)
{
    const TagLib::ID3v2::FrameList& frames = tag.frameList(id);
    return frames.isEmpty() ? std::nullopt : Id3v2FrameText(*frames.front(), firstValue);
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

std::uint32_t SyncSafe(const std::uint8_t* bytes)
{
    std::uint32_t value = 0;
    for (unsigned i = 0; i < 4; ++i) {
        value = (value << 7) | (bytes[i] & 0x7F);
    }
    return value;
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
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(tag.data());
    // 2.3 gives the size after the size field as a plain number, 2.4 the whole size syncsafe
    const std::uint32_t extended = version3 ? 4 + tag.toUInt(10U, true) : SyncSafe(bytes + 10);
    // an unsynchronised 2.3 tag has its extended header unsynchronised too: exact only without
    // a 0xFF in it
    const bool unsynchronised = version3 && (tag[5] & 0x80) != 0;
    if (extended > tag.size() - 10 || (unsynchronised && tag.mid(10, extended).find('\xFF') >= 0)) {
        return;
    }
    TagLib::ByteVector header = tag.mid(0, 10);
    header[5] = static_cast<char>(header[5] & ~0x40);
    const std::uint32_t frames = SyncSafe(bytes + 6) - extended;
    PutSyncSafe(header.data() + 6, frames);
    tag = header.append(tag.mid(10 + extended));
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

// A tag taken apart straight from its bytes, as TagLib takes apart the one it finds in a file,
// without a file around it (which would look for further tags and cost more than the tag).
class TParsedTag : public TagLib::ID3v2::Tag
{
public:
    // `bytes`: the whole tag, its extended header taken out; false when TagLib finds no frames.
    bool Parse(const TagLib::ByteVector& bytes)
    {
        header()->setData(bytes.mid(0, TagLib::ID3v2::Header::size()));
        const unsigned size = header()->tagSize();
        if (size == 0) {
            return false;
        }
        parse(bytes.mid(TagLib::ID3v2::Header::size(), size));
        return true;
    }
};

// The length of the header and frames of a tag TagLib rendered, without the padding it added.
// TagLib writes neither an extended header nor unsynchronised frames.
std::size_t FramesEnd(const TagLib::ByteVector& tag, bool syncSafe)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(tag.data());
    std::size_t at = 10;
    while (at + 10 <= tag.size() && bytes[at] != 0) {
        at += 10 + std::size_t{Id3v2FrameSize(bytes + at, syncSafe)};
    }
    return std::min<std::size_t>(at, tag.size());
}

std::string RenderTag(const TagLib::ID3v2::Tag& tag, unsigned version)
{
    const TagLib::ByteVector rendered =
        tag.render(version == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4);
    const std::size_t end = FramesEnd(rendered, version != 3);
    std::string bytes(rendered.data(), end);
    // a plain header: no unsynchronisation, extended header, footer or experimental flag
    bytes[3] = static_cast<char>(version == 3 ? 3 : 4);
    bytes[4] = 0;
    bytes[5] = 0;
    PutSyncSafe(bytes.data() + 6, end - 10);
    return bytes;
}

} // namespace

std::optional<std::string> Id3v2FrameText(const TagLib::ID3v2::Frame& frame, bool firstValue)
{
    const auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(&frame);
    if (firstValue && text != nullptr) {
        const TagLib::StringList values = text->fieldList();
        return values.isEmpty() ? std::nullopt : Utf8(values.front());
    }
    return Utf8(frame.toString());
}

std::optional<std::string> PlainId3v2Tag(const std::uint8_t* tag, std::size_t length)
{
    TagLib::ByteVector bytes(reinterpret_cast<const char*>(tag), static_cast<unsigned>(length));
    DropExtendedHeader(bytes);
    TParsedTag parsed;
    if (!parsed.Parse(bytes)) {
        return std::nullopt;
    }
    return RenderTag(parsed, parsed.header()->majorVersion() == 3 ? 3 : 4);
}

std::uint32_t Id3v2FrameSize(const std::uint8_t* header, bool syncSafe)
{
    if (syncSafe) {
        return SyncSafe(header + 4);
    }
    return (std::uint32_t{header[4]} << 24) | (std::uint32_t{header[5]} << 16) |
           (std::uint32_t{header[6]} << 8) | header[7];
}

void PutSyncSafe(char* at, std::size_t value)
{
    for (unsigned i = 0; i < 4; ++i) {
        at[i] = static_cast<char>((value >> (7 * (3 - i))) & 0x7F);
    }
}

std::size_t Id3v2TagLength(const std::uint8_t* head, std::size_t size)
{
    if (size < 10 || head[0] != 'I' || head[1] != 'D' || head[2] != '3' || head[3] < 2 ||
        head[3] > 4 || head[4] == 0xFF || ((head[6] | head[7] | head[8] | head[9]) & 0x80) != 0) {
        return 0;
    }
    return 10 + std::size_t{SyncSafe(head + 6)};
}

// Only a tag at the very start of the file counts, as players read it (TagLib would take "ID3"
// anywhere before the first MPEG frame for one). TagLib reads the tag from memory, so it does not
// go on to look for other tags at the end of the file.
std::optional<TId3v2Fields> ParseId3v2Tag(const std::uint8_t* tag, std::size_t size)
{
    const std::size_t length = Id3v2TagLength(tag, size);
    if (length == 0) {
        return std::nullopt;
    }
    // A tag of no length, or one whose frames begin with padding, holds no frame: nothing for
    // TagLib to take apart. An extended header (flag bit 6) would stand before the frames.
    if (length == 10 || (size > 10 && (tag[5] & 0x40) == 0 && tag[10] == 0)) {
        return TId3v2Fields{};
    }
    try {
        TagLib::ByteVector bytes(reinterpret_cast<const char*>(tag),
                                 static_cast<unsigned>(std::min(length, size)));
        DropExtendedHeader(bytes);
        TParsedTag parsed;
        if (!parsed.Parse(bytes)) {
            return std::nullopt;
        }
        return FieldsOf(parsed);
    } catch (const std::exception&) {
        // a tag TagLib cannot take apart (out of memory on a damaged size) counts as none
        return std::nullopt;
    }
}

TId3v2Reading ReadId3v2Tag(const std::string& path)
{
    TId3v2Reading reading;
    // non-blocking, so that a pipe put where a file was cannot stall the reading
    TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.IsOpen()) {
        return reading;
    }
    reading.Opened = true;
    struct stat info = {};
    if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return reading;
    }
    std::uint8_t header[10];
    int error = 0;
    if (ReadAt(file.Get(), header, sizeof header, 0, error) != sizeof header) {
        return reading;
    }
    const std::size_t length = Id3v2TagLength(header, sizeof header);
    if (length == 0) {
        return reading;
    }
    // in one read; a tag cut short by the end of the file is handed over as far as it goes
    std::vector<std::uint8_t> tag(static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(length), info.st_size)));
    tag.resize(ReadAt(file.Get(), tag.data(), tag.size(), 0, error));
    reading.Fields = ParseId3v2Tag(tag.data(), tag.size());
    return reading;
}
