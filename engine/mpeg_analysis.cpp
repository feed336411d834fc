#include "engine/block_reader.h"
#include "engine/file_handle.h"
#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "engine/tag_record.h"
#include "engine/utf8.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

// The title a missing file shows, cut like any title.
std::string NotFoundTitle(const std::string& fileName)
{
    return Utf8Left("[not found: " + NamePart(fileName) + "]", TagTextLimit);
}

std::uint32_t BigEndian(const std::uint8_t (&bytes)[4])
{
    return (static_cast<std::uint32_t>(bytes[0]) << 24) |
           (static_cast<std::uint32_t>(bytes[1]) << 16) |
           (static_cast<std::uint32_t>(bytes[2]) << 8) | bytes[3];
}

// Where the audio may begin: behind the ID3v2 tags at the head of the file, back to back. A tag
// is "ID3", major version 2 to 4, a flag byte and a syncsafe size of the data after its 10-byte
// header, with 10 bytes more for a footer (flag bit 4). A tag that claims to reach beyond the
// file is not skipped.
std::int64_t ID3v2TagsEnd(TBlockReader& reader, std::int64_t length)
{
    std::int64_t end = 0;
    std::uint8_t header[10];
    while (reader.Read(end, header, sizeof header) == sizeof header && header[0] == 'I' &&
           header[1] == 'D' && header[2] == '3' && header[3] >= 2 && header[3] <= 4 &&
           (header[6] | header[7] | header[8] | header[9]) < 0x80) {
        const std::int64_t size =
            10 +
            ((std::int64_t{header[6]} << 21) | (header[7] << 14) | (header[8] << 7) | header[9]) +
            ((header[5] & 0x10) != 0 ? 10 : 0);
        if (end + size > length) {
            break;
        }
        end += size;
    }
    return end;
}

bool IsMissing(int error)
{
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP;
}

// The ID3v2 tag at the head of the file, read through the analysis' reader: a tag that fits in
// the first block costs no read of its own.
std::optional<TId3v2Fields> ReadHeadTag(TBlockReader& reader, std::int64_t length)
{
    std::uint8_t header[10];
    if (reader.Read(0, header, sizeof header) != sizeof header) {
        return std::nullopt;
    }
    const std::size_t tagLength = Id3v2TagLength(header, sizeof header);
    if (tagLength == 0) {
        return std::nullopt;
    }
    // a tag cut short by the end of the file is handed over as far as it goes
    std::vector<std::uint8_t> tag(static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(tagLength), length)));
    tag.resize(reader.Read(0, tag.data(), tag.size()));
    return ParseId3v2Tag(tag.data(), tag.size());
}

} // namespace

void TMPEGAudio::ResetFields()
{
    ResetStreamAndTag();
    FileLength = 0;
    FileAge = 0;
    FileState = {};
    SelectedMark = 0;
    FileName.clear();
    VolumeLabel.clear();
}

void TMPEGAudio::ResetStreamAndTag()
{
    TakeTag(TTagRecord());
    TakeHeader(TFrameHeader());
    Duration = 0;
}

void TMPEGAudio::TakeHeader(const TFrameHeader& header)
{
    Version = header.Version;
    Layer = header.Layer;
    SampleRate = header.SampleRate;
    BitRate = header.BitRate;
    Mode = header.Mode;
    Copyright = header.Copyright;
    Original = header.Original;
    ErrorProtection = header.ErrorProtection;
    Padding = header.Padding;
    FrameLength = header.FrameLength;
    // the playing time of the whole file, data before the first frame and the trailer included:
    // 8 * FileLength / (1000 * BitRate), reduced so that a sparse file near the 64-bit limit
    // cannot overflow
    Duration = header.BitRate > 0
                   ? static_cast<std::uint16_t>(FileLength / (125 * std::int64_t{BitRate}))
                   : 0;
}

void TMPEGAudio::TakeTag(const TTagRecord& tag)
{
    Title = tag.Title;
    Artist = tag.Artist;
    Album = tag.Album;
    Year = tag.Year;
    Comment = tag.Comment;
    Genre = tag.Genre;
    Track = tag.Track;
}

void TMPEGAudio::SetFileName(const std::string& path, const TYieldFn& yield)
{
    Analyse(path, yield, nullptr);
}

void TMPEGAudio::SetFileName(const std::string& path, const TYieldFn& yield, TId3v2Reading& id3v2)
{
    id3v2 = {};
    Analyse(path, yield, &id3v2);
}

void TMPEGAudio::Analyse(const std::string& path, const TYieldFn& yield, TId3v2Reading* id3v2)
{
    const std::string given = path; // `path` may be FileName itself
    ResetFields();
    // a path the system refuses names no file; a working folder that is gone is no "/"
    const int pathError =
        BaseFolder ? MakeFullPathIn(*BaseFolder, given, FileName) : MakeFullPath(given, FileName);
    if (const int error = pathError; error != 0) {
        if (IsMissing(error)) {
            Title = NotFoundTitle(FileName);
        }
        return;
    }
    // the system would read a name with a zero byte as a shorter one, another file or none
    if (FileName.find('\0') != std::string::npos) {
        Title = NotFoundTitle(FileName);
        return;
    }
    // non-blocking, so that a pipe put where a file was cannot stall the analysis
    TFileHandle file(::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info = {};
    if (!file.IsOpen()) {
        if (IsMissing(errno)) {
            Title = NotFoundTitle(FileName);
        }
        return;
    }
    if (id3v2 != nullptr) {
        id3v2->Opened = true;
    }
    if (fstat(file.Get(), &info) != 0) {
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        // a folder is no file
        Title = NotFoundTitle(FileName);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        return;
    }
    TBlockReader reader(file.Get(), info.st_size);
    if (id3v2 != nullptr) {
        id3v2->Fields = ReadHeadTag(reader, info.st_size);
    }
    if (info.st_size <= 5) {
        return;
    }

    const TWriteTime written = WriteTimeOf(info.st_mtim.tv_sec);
    FileAge = written.Packed;
    FileDateTime = written.DateTime;
    VolumeLabel = Utf8Left(VolumeLabels.LabelOf(info.st_dev), 20);
    FileLength = info.st_size;
    FileState.Size = info.st_size;
    FileState.ModifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;

    if (!SearchFrames(reader, yield)) {
        ResetStreamAndTag();
    }
}

bool TMPEGAudio::SearchFrames(TBlockReader& reader, const TYieldFn& yield)
{
    const std::int64_t length = FileLength;
    const auto accepted = [this](std::uint32_t bits, TFrameHeader& header) {
        if (!HasFrameSync(bits)) {
            return false;
        }
        header = DecodeFrameHeader(bits);
        return header.IsComplete() && FileLength > 5 && FileAge != 0;
    };
    const auto beyondLimit = [this](std::int64_t pos) {
        return SearchLimit > 0 && pos > SearchLimit;
    };

    // a decoder skips the tag first: a cover picture may hold what looks like two frames
    std::int64_t pos = ID3v2TagsEnd(reader, length);
    for (;;) {
        std::uint8_t four[4];
        if (reader.Read(pos, four, 4) != 4) {
            return false;
        }
        pos += 4;
        std::uint32_t bits = BigEndian(four);
        TFrameHeader first;
        bool found = accepted(bits, first);
        // slide one byte at a time until a header turns up
        while (!found && pos < length && !beyondLimit(pos)) {
            // a header starts with 0xFF: windows that start with another byte are passed over
            // at once, up to the next 0xFF or the end of the buffered block
            const std::int64_t nextStart = reader.FindInBlock(pos - 3, 0xFF);
            if (nextStart < 0) {
                return false;
            }
            if (nextStart > pos - 3) {
                // the step below then reads the last byte of the window starting at nextStart
                const std::int64_t to = nextStart + 3;
                std::uint8_t three[3];
                if (to >= length || beyondLimit(to) ||
                    reader.Read(nextStart, three, sizeof three) != sizeof three) {
                    return false;
                }
                if (to / 300 != pos / 300 && yield) {
                    yield();
                }
                bits = (std::uint32_t{three[0]} << 16) | (std::uint32_t{three[1]} << 8) | three[2];
                pos = to;
            }
            std::uint8_t next = 0;
            if (!reader.Byte(pos, next)) {
                return false;
            }
            bits = (bits << 8) | next;
            ++pos;
            if (pos % 300 == 0 && yield) {
                yield();
            }
            found = accepted(bits, first);
        }

        const std::int64_t start = pos - 4;
        // room behind the first frame; the CRC's two bytes count as if they came on top
        const std::int64_t space =
            length - start - first.FrameLength + (first.ErrorProtection ? 2 : 0);
        if (found && space > 0) {
            std::uint8_t nextBytes[4];
            TFrameHeader second;
            if (reader.Read(start + first.FrameLength, nextBytes, 4) == 4 &&
                accepted(BigEndian(nextBytes), second)) {
                // the second header's values are the ones reported
                TakeHeader(second);
                if (FileLength > static_cast<std::int64_t>(TagTrailerSize)) {
                    TTagTrailer trailer{};
                    if (reader.Read(FileLength - static_cast<std::int64_t>(TagTrailerSize),
                                    trailer.data(), trailer.size()) != trailer.size()) {
                        return false;
                    }
                    if (IsTagTrailer(trailer)) {
                        FileState.Trailer = trailer;
                    }
                    if (const auto tag = ParseTagTrailer(trailer, CodePage)) {
                        TakeTag(*tag);
                    } else {
                        Title = Utf8Left(NamePart(FileName), TagTextLimit);
                    }
                }
                return true;
            }
            if (reader.Error() != 0) {
                return false;
            }
            // a false sync: go on one byte after it
            pos = start + 1;
        }
        if (pos >= length || length - pos < 4 || beyondLimit(pos)) {
            return false;
        }
    }
}

int TMPEGAudio::WriteTag(const TYieldFn& yield)
{
    const int code = WriteTagTrailer(FileName, Tag(), CodePage);
    if (code != -1) {
        SetFileName(FileName, yield);
    }
    return code;
}

int TMPEGAudio::RemoveTag(const TYieldFn& yield)
{
    const int code = RemoveTagTrailer(FileName);
    if (code != -1) {
        SetFileName(FileName, yield);
    }
    return code;
}
