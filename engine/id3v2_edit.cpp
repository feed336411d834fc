#include "engine/id3v2_edit.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <string_view>
#include <taglib/commentsframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2synchdata.h>
#include <taglib/textidentificationframe.h>
#include <vector>

// An edit goes frame by frame: the tag's frames are walked by their sizes, TagLib takes apart the
// frames of the edited fields and renders the frames that replace them, and every other frame is
// copied as it is. Taking apart and rendering the whole tag would cost many times more than the
// few frames an edit touches, and would not keep the other frames byte for byte.

namespace {

constexpr std::size_t FieldCount = Id3v2FieldOrder.size();

// The frames of the fields, in the order of Id3v2FieldOrder. The year is TDRC in a 2.4 tag and
// TYER in a 2.3 one, and a frame of either id holds it in both; the comment is a COMM frame without
// a description (the others carry things such as "iTunNORM" volume data).
const struct
{
    std::string_view Id;
    std::string_view Id23; // the id a 2.3 tag writes, when another
} FieldFrames[FieldCount] = {{"TIT2", ""}, {"TPE1", ""}, {"TALB", ""}, {"TDRC", "TYER"},
                             {"COMM", ""}, {"TCON", ""}, {"TRCK", ""}};

constexpr std::size_t CommentField = 4;
constexpr std::size_t GenreField = 5;
constexpr std::size_t TrackField = 6;

using TFrame = std::unique_ptr<TagLib::ID3v2::Frame>;

// The frames of a tag and its version (3 or 4), each with its header, in the tag's order.
struct TTagFrames
{
    unsigned Version = 4;
    std::vector<std::string_view> Frames;
};

// Walks the frames of `body` (a 2.3 or 2.4 tag's, after its header) by their sizes up to the
// padding: false when a frame's id or size is not one.
bool WalkFrames(std::string_view body, TTagFrames& tag)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(body.data());
    for (std::size_t at = 0; at + 10 <= body.size() && bytes[at] != 0;) {
        const std::string_view id = body.substr(at, 4);
        const std::size_t end = at + 10 + Id3v2FrameSize(bytes + at, tag.Version == 4);
        if (end > body.size() || !std::all_of(id.begin(), id.end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            })) {
            return false;
        }
        tag.Frames.push_back(body.substr(at, end - at));
        at = end;
    }
    return true;
}

TFrame Parsed(std::string_view frame, const TagLib::ID3v2::Header& header)
{
    return TFrame(TagLib::ID3v2::FrameFactory::instance()->createFrame(
        TagLib::ByteVector(frame.data(), static_cast<unsigned>(frame.size())), &header));
}

// The edited field whose frame `frame` is (taken apart into `parsed` when it is), or FieldCount.
std::size_t FieldOf(std::string_view frame, const TId3v2Edit& edit,
                    const TagLib::ID3v2::Header& header, TFrame& parsed)
{
    const std::string_view id = frame.substr(0, 4);
    for (std::size_t field = 0; field < FieldCount; ++field) {
        const auto& frames = FieldFrames[field];
        if (id != frames.Id && (frames.Id23.empty() || id != frames.Id23)) {
            continue;
        }
        if (!edit.Clear && !(edit.Fields.*Id3v2FieldOrder[field])) {
            return FieldCount;
        }
        parsed = Parsed(frame, header);
        if (field == CommentField) {
            const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(parsed.get());
            if (comment != nullptr && !comment->description().isEmpty()) {
                return FieldCount; // not the comment players show
            }
        }
        return field;
    }
    return FieldCount;
}

// A new frame rendered for a tag of the version asked (TagLib reaches a frame's version only from
// the frame). TagLib picks an encoding the version can hold when the one asked for cannot hold
// the text.
template <class TFrameType> class TNewFrame : public TFrameType
{
public:
    using TFrameType::TFrameType;

    std::string Rendered(unsigned version)
    {
        this->header()->setVersion(version);
        const TagLib::ByteVector bytes = this->render();
        return std::string(bytes.data(), bytes.size());
    }
};

// The frame that gives the field `value` in place of `old` (null: the field had none, or TagLib
// could not take it apart), in the old frame's encoding where it can hold the text; nothing when
// the old frame may stay.
std::optional<std::string> NewFrame(std::size_t field, const std::string& value,
                                    std::string_view oldId, const TagLib::ID3v2::Frame* old,
                                    const TId3v2Edit& edit, unsigned version)
{
    const auto& frames = FieldFrames[field];
    const std::string_view id = version == 3 && !frames.Id23.empty() ? frames.Id23 : frames.Id;
    TagLib::String text(value, TagLib::String::UTF8);
    const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(old);
    const auto* textFrame = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(old);
    TagLib::String::Type encoding = version == 4 ? TagLib::String::UTF8 : TagLib::String::Latin1;
    if (comment != nullptr || textFrame != nullptr) {
        // the old frame's encoding, when its byte names one (a damaged frame may hold any)
        const int held = static_cast<int>(comment != nullptr ? comment->textEncoding()
                                                             : textFrame->textEncoding());
        if (held >= TagLib::String::Latin1 && held <= TagLib::String::UTF8) {
            encoding = static_cast<TagLib::String::Type>(held);
        }
        const TagLib::StringList values =
            textFrame != nullptr ? textFrame->fieldList() : TagLib::StringList(comment->text());
        // a track keeps the total the frame held ("3/12")
        if (field == TrackField && !values.isEmpty() && text.find("/") < 0) {
            if (const int slash = values.front().find("/"); slash >= 0) {
                text += values.front().substr(static_cast<unsigned>(slash));
            }
        }
        if ((oldId == id && values == TagLib::StringList(text)) ||
            (edit.Keeps &&
             edit.Keeps(field, Id3v2FrameText(*old, field == GenreField || field == TrackField)
                                   .value_or(std::string())))) {
            return std::nullopt;
        }
    }
    if (field == CommentField) {
        TNewFrame<TagLib::ID3v2::CommentsFrame> frame(encoding);
        frame.setLanguage(comment != nullptr ? comment->language() : TagLib::ByteVector("eng"));
        frame.setText(text);
        return frame.Rendered(version);
    }
    TNewFrame<TagLib::ID3v2::TextIdentificationFrame> frame(
        TagLib::ByteVector(id.data(), static_cast<unsigned>(id.size())), encoding);
    frame.setText(text);
    return frame.Rendered(version);
}

// The tag with the edit made; nothing when no value changes. Room is made for `room` bytes in all,
// so that padding the tag to its old length takes no second allocation.
std::optional<std::string> EditedTag(const TTagFrames& tag, const TId3v2Edit& edit,
                                     std::size_t room)
{
    TagLib::ID3v2::Header header;
    header.setMajorVersion(tag.Version);
    std::array<std::string, FieldCount> values;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        const auto& value = edit.Fields.*Id3v2FieldOrder[field];
        values[field] = edit.Clear || !value ? std::string() : *value;
    }
    // each frame's field, and the fields that have a frame
    std::vector<std::size_t> fields(tag.Frames.size());
    std::vector<TFrame> parsed(tag.Frames.size());
    std::array<bool, FieldCount> held{};
    for (std::size_t i = 0; i < tag.Frames.size(); ++i) {
        fields[i] = FieldOf(tag.Frames[i], edit, header, parsed[i]);
        if (fields[i] < FieldCount) {
            held[fields[i]] = true;
        }
    }
    std::string bytes;
    bytes.reserve(room);
    bytes = "ID3";
    bytes += static_cast<char>(tag.Version);
    bytes.append(6, '\0');
    bool changed = false;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        if (!held[field] && !values[field].empty()) {
            bytes += *NewFrame(field, values[field], {}, nullptr, edit, tag.Version);
            changed = true;
        }
    }
    std::array<bool, FieldCount> replaced{};
    for (std::size_t i = 0; i < tag.Frames.size(); ++i) {
        const std::size_t field = fields[i];
        std::optional<std::string> frame;
        if (field < FieldCount && values[field].empty()) {
            changed = true; // a cleared field loses all its frames
            continue;
        }
        if (field < FieldCount && !replaced[field]) {
            replaced[field] = true;
            frame = NewFrame(field, values[field], tag.Frames[i].substr(0, 4), parsed[i].get(),
                             edit, tag.Version);
        }
        if (frame) {
            bytes += *frame;
            changed = true;
        } else {
            bytes += tag.Frames[i];
        }
    }
    if (!changed) {
        return std::nullopt;
    }
    PutSyncSafe(bytes.data() + 6, bytes.size() - 10);
    return bytes;
}

} // namespace

std::optional<std::string> RenderId3v2Tag(const std::uint8_t* tag, std::size_t size,
                                          const TId3v2Edit& edit, bool& damaged)
{
    damaged = false;
    try {
        const std::size_t length = tag != nullptr ? Id3v2TagLength(tag, size) : 0;
        TTagFrames frames;
        if (length == 0) {
            return edit.Clear ? std::nullopt : EditedTag(frames, edit, 1024);
        }
        if (length > size) {
            damaged = true;
            return std::nullopt;
        }
        frames.Version = tag[3];
        std::string_view body(reinterpret_cast<const char*>(tag) + 10, length - 10);
        TagLib::ByteVector synchronised;
        if (frames.Version == 3 && (tag[5] & 0x80) != 0) {
            // the new tag is not unsynchronised
            synchronised = TagLib::ID3v2::SynchData::decode(
                TagLib::ByteVector(body.data(), static_cast<unsigned>(body.size())));
            body = std::string_view(synchronised.data(), synchronised.size());
        }
        // a 2.2 tag, an extended header or frames that cannot be walked (a 2.4 tag whose frame
        // sizes are not syncsafe, as some programs write) go through TagLib whole first
        std::optional<std::string> plain;
        if (frames.Version == 2 || (tag[5] & 0x40) != 0 || !WalkFrames(body, frames)) {
            plain = PlainId3v2Tag(tag, length);
            if (!plain) {
                damaged = true;
                return std::nullopt;
            }
            frames = {static_cast<unsigned>((*plain)[3]), {}};
            WalkFrames(std::string_view(*plain).substr(10), frames);
        }
        return EditedTag(frames, edit, std::max(size, length + 4096));
    } catch (const std::exception&) {
        damaged = true;
        return std::nullopt;
    }
}
