#include "engine/id3v2_file.h"

#include "engine/block_reader.h"
#include "engine/file_failure.h"
#include "engine/file_handle.h"
#include "engine/head_delta.h"
#include "engine/path_parts.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Copies the bytes of `from` from `offset` to its end to the end of `to`, at `at`.
int CopyRest(int from, off_t offset, int to, off_t at)
{
    loff_t in = offset;
    loff_t out = at;
    for (;;) {
        const ssize_t n = copy_file_range(from, &in, to, &out, 1 << 30, 0);
        if (n == 0) {
            return 0;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            break; // a file system or kernel that cannot: copied by hand from where it stopped
        }
    }
    std::vector<char> block(1 << 20);
    for (;;) {
        int error = 0;
        const std::size_t n = ReadAt(from, block.data(), block.size(), in, error);
        if (error != 0 || n == 0) {
            return error;
        }
        if (const int code = WriteAt(to, block.data(), n, out); code != 0) {
            return code;
        }
        in += static_cast<loff_t>(n);
        out += static_cast<loff_t>(n);
    }
}

// Where two heads of one length differ: the first differing byte and the one after the last
// (both 0 when they do not).
std::pair<std::size_t, std::size_t> DifferingSpan(std::string_view old, std::string_view now)
{
    const std::size_t first = CommonPrefix(old, now);
    if (first == old.size()) {
        return {0, 0};
    }
    return {first, old.size() - CommonSuffix(old.substr(first), now.substr(first))};
}

// The hidden name the new file is written under, in the file's own folder.
std::string BesideName(const std::string& path)
{
    // short enough for any file system's name limit
    return FolderPart(path) + "." + NamePart(path).substr(0, 200) + ".cantrel-new";
}

// Gives the new file the old one's owner, group, mode and access time.
int KeepAttributes(int fd, const struct stat& old, std::string& why)
{
    struct stat now = {};
    if (fstat(fd, &now) != 0) {
        return errno;
    }
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        fchown(fd, old.st_uid, old.st_gid) != 0) {
        why = "its owner or group could not be kept for the file written anew";
        return errno;
    }
    if (fchmod(fd, old.st_mode & 07777) != 0) {
        return errno;
    }
    const timespec times[2] = {old.st_atim, {0, UTIME_NOW}};
    return futimens(fd, times) == 0 ? 0 : errno;
}

// Writes the file anew beside the original and renames it over it; the new one, locked, in `fd`.
int WriteAnew(int old, const std::string& path, const THeadChange& head, TFileHandle& fresh,
              std::string& why)
{
    struct stat info = {};
    if (fstat(old, &info) != 0) {
        return errno;
    }
    if (info.st_nlink > 1) {
        why = "it has several hard links, which writing it anew would part";
        return EMLINK;
    }
    const std::string beside = BesideName(path);
    ::unlink(beside.c_str()); // left by a write that was stopped
    fresh.Reset(::open(beside.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fresh.IsOpen()) {
        return errno;
    }
    // locked before it gets the name, so that whoever opens the name next waits for this batch
    int code = flock(fresh.Get(), LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    if (code == 0) {
        code = WriteAt(fresh.Get(), head.New.data(), head.New.size(), 0);
    }
    if (code == 0) {
        code = CopyRest(old, static_cast<off_t>(head.Old.size()), fresh.Get(),
                        static_cast<off_t>(head.New.size()));
    }
    if (code == 0) {
        code = KeepAttributes(fresh.Get(), info, why);
    }
    if (code == 0 && ::fsync(fresh.Get()) != 0) {
        code = errno;
    }
    if (code == 0 && ::rename(beside.c_str(), path.c_str()) != 0) {
        code = errno;
    }
    if (code != 0) {
        ::unlink(beside.c_str());
        fresh.Close();
        return code;
    }
    SyncFolder(FolderPart(path)); // the rename is made; a failed sync changes nothing of it
    return 0;
}

} // namespace

std::size_t Id3v2RegionLength(const std::uint8_t* head, std::size_t size)
{
    const std::size_t length = Id3v2TagLength(head, size);
    // a 2.4 tag may end in a footer that its size does not count
    return length != 0 && head[3] == 4 && (head[5] & 0x10) != 0 ? length + 10 : length;
}

int ReadId3v2Region(int fd, std::string& region)
{
    // the usual tag in one read; the rest of a longer one straight into its place, a mebibyte at a
    // time, so that a damaged header that claims far more than the file holds costs no more memory
    // than the file's own bytes
    constexpr std::size_t Step = 1 << 20;
    char first[4096];
    int error = 0;
    const std::size_t got = ReadAt(fd, first, sizeof first, 0, error);
    if (error != 0) {
        region.clear();
        return error;
    }
    const std::size_t length = Id3v2RegionLength(reinterpret_cast<const std::uint8_t*>(first), got);
    region.reserve(std::min(length, Step));
    region.assign(first, std::min(length, got));
    if (length > got && got < sizeof first) {
        region.clear();
        return EILSEQ;
    }
    while (region.size() < length) {
        const std::size_t at = region.size();
        const std::size_t step = std::min(length - at, Step);
        region.resize(at + step);
        if (ReadAt(fd, region.data() + at, step, static_cast<std::int64_t>(at), error) != step) {
            region.clear();
            return error != 0 ? error : EILSEQ;
        }
    }
    return 0;
}

std::optional<THeadChange> PlanId3v2Change(std::string region, const TId3v2Edit& edit, int& code)
{
    bool damaged = false;
    std::optional<std::string> tag = RenderId3v2Tag(
        reinterpret_cast<const std::uint8_t*>(region.data()), region.size(), edit, damaged);
    code = damaged ? EILSEQ : 0;
    if (!tag) {
        return std::nullopt;
    }
    // padded to the old length when it fits, so that the audio stays where it is
    const std::size_t length =
        tag->size() <= region.size() ? region.size() : tag->size() + Id3v2NewPadding;
    tag->resize(length, '\0');
    PutSyncSafe(tag->data() + 6, length - 10); // the header's size counts the padding
    return THeadChange{std::move(region), std::move(*tag)};
}

std::optional<THeadChange> PlanId3v2Change(int fd, const TId3v2Edit& edit, int& code)
{
    std::string region;
    code = ReadId3v2Region(fd, region);
    return code == 0 ? PlanId3v2Change(std::move(region), edit, code) : std::nullopt;
}

int ChangeHead(TOpenTagFile& open, const std::string& path, const THeadChange& head,
               std::string& why)
{
    const int fd = open.Descriptor();
    if (head.New.size() == head.Old.size()) {
        // only the bytes that differ: an edit that keeps its frames' lengths rewrites no more
        const auto [start, end] = DifferingSpan(head.Old, head.New);
        const int code =
            WriteAt(fd, head.New.data() + start, end - start, static_cast<off_t>(start));
        if (code != 0) {
            // the old bytes back, as a failed trailer write does
            WriteAt(fd, head.Old.data(), head.Old.size(), 0);
        }
        open.Touched();
        return code;
    }
    TFileHandle fresh;
    if (const int code = WriteAnew(fd, path, head, fresh, why); code != 0) {
        return code;
    }
    return open.Adopt(fresh.Release());
}

void RemoveStoppedWrite(const std::string& path)
{
    ::unlink(BesideName(path).c_str());
}

TFileFailure HeadFailure(const std::string& path, const std::string& what, int code,
                         const std::string& why)
{
    if (!why.empty()) {
        return {path, code, TFailureReason::None, what + ": " + why};
    }
    if (code == EILSEQ) {
        return {path, code, TFailureReason::None, what + ": its ID3v2 tag cannot be read"};
    }
    return FailureFromCode(path, code, what);
}
