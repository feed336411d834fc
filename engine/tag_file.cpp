#include "engine/tag_file.h"

#include "engine/block_reader.h"
#include "engine/change_intent.h"
#include "engine/file_handle.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

// -1 for a folder (no file), EINVAL for anything else that is not a regular file, EACCES for a
// file to be written without any write permission bit, else 0.
int ChangeableFile(const struct stat& info, bool write)
{
    if (S_ISDIR(info.st_mode)) {
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        return EINVAL;
    }
    return write && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ? EACCES : 0;
}

// How long a change waits for the lock another program holds on the file. Cantrel holds it only
// while it changes one file, so anything longer is some other program's hold.
constexpr int LockWaitMs = 1000;

// Takes the advisory lock every Cantrel takes on a file while it changes it, so that two batches
// never change one file at the same moment: 0, or EWOULDBLOCK when it stays taken. A file system
// without such locks is changed without one.
int LockForChange(int fd)
{
    for (int waited = 0;; ++waited) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS ? 0 : errno;
        }
        if (waited == LockWaitMs) {
            return EWOULDBLOCK;
        }
        const timespec pause = {0, 1000000};
        nanosleep(&pause, nullptr);
    }
}

// Opens an existing regular file for a change under the lock: -1 when there is none (a folder is
// no file either, nor a name with a zero byte, which the system would read as a shorter name),
// EACCES when `write` and it has no write permission bit at all (also for the superuser, who could
// otherwise open it), EINVAL for a device or pipe, EWOULDBLOCK when another program keeps it
// locked, else the errno of the failed open. `info` is what the file is once locked.
int OpenForChange(const std::string& path, TFileHandle& file, struct stat& info, bool lookFirst,
                  bool write)
{
    if (path.find('\0') != std::string::npos) {
        return -1;
    }
    // non-blocking: a pipe or device put where a file was must not stall the batch
    int flags = (write ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (!lookFirst) {
        // The checks on the open file are enough for a name that held a regular file. The
        // access time is left alone where the system lets us (only for the owner).
        flags |= O_NOATIME;
    } else if (stat(path.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? -1 : errno;
    } else if (const int code = ChangeableFile(info, write); code != 0) {
        return code;
    }
    int fd = ::open(path.c_str(), flags);
    if (fd < 0 && errno == EPERM && (flags & O_NOATIME) != 0) {
        fd = ::open(path.c_str(), flags & ~O_NOATIME); // another user's file
    }
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR || errno == EISDIR ? -1 : errno;
    }
    file.Reset(fd);
    if (const int code = LockForChange(fd); code != 0) {
        return code;
    }
    // looked at once locked: the name may have been given to another file since the check above,
    // and another batch may have changed the file while this one waited for the lock
    if (fstat(fd, &info) != 0) {
        return errno;
    }
    return ChangeableFile(info, write);
}

// OpenForChange, opened again while the name no longer names the file locked: a batch that
// writes a file anew renames the new one over it while others wait for the old one's lock.
int OpenCurrentForChange(const std::string& path, TFileHandle& file, struct stat& info,
                         bool lookFirst, bool write)
{
    for (int tries = 0;; ++tries) {
        const int code = OpenForChange(path, file, info, lookFirst, write);
        struct stat named = {};
        if (code != 0 || tries == 10 || stat(path.c_str(), &named) != 0 ||
            (named.st_dev == info.st_dev && named.st_ino == info.st_ino)) {
            return code;
        }
        file.Close();
    }
}

// The last 128 bytes when the file is longer than that and they start with "TAG".
int ReadTrailer(int fd, off_t length, TTagTrailer& trailer, bool& found)
{
    found = false;
    if (length <= static_cast<off_t>(TagTrailerSize)) {
        return 0;
    }
    int error = 0;
    if (ReadAt(fd, trailer.data(), TagTrailerSize, length - static_cast<off_t>(TagTrailerSize),
               error) != TagTrailerSize) {
        return error != 0 ? error : EIO;
    }
    found = IsTagTrailer(trailer);
    return 0;
}

// Writes all bytes at `offset`; 0 or the errno value (EIO when the file takes no more bytes).
int WriteAll(const TFileChanges& changes, int fd, const TTagTrailer& bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = changes.Write(fd, bytes.data() + done, bytes.size() - done,
                                        offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 && errno != 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

std::int64_t ModifiedNsOf(const struct stat& info)
{
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// Opens the file, makes one change and closes it again, giving the state it was left in. The
// change writes `written`, or cuts the trailer off when it is null; it is announced first.
int ChangeFile(const std::string& path, const std::function<int(TOpenTagFile&)>& change,
               const TTagTrailer* written, std::optional<TFileState>* after)
{
    if (after != nullptr) {
        after->reset();
    }
    TOpenTagFile file;
    if (const int code = file.Open(path); code != 0) {
        return code;
    }
    const std::optional<TFileState> before = file.State();
    if (const int code = AnnounceTrailerChange(before, written); code != 0) {
        return code;
    }
    // a failed change puts the bytes and the time back itself
    if (const int code = change(file); code != 0) {
        return code;
    }
    if (after != nullptr) {
        *after = file.State();
    }
    const int code = file.Close();
    if (code != 0 && after != nullptr) {
        after->reset();
    }
    return code;
}

int RemoveTrailer(const std::string& path, const TFileChanges& changes,
                  std::optional<TFileState>* after)
{
    return ChangeFile(
        path, [&](TOpenTagFile& file) { return file.Remove(changes); }, nullptr, after);
}

int WriteTrailer(const std::string& path, const TTagTrailer& trailer, const TFileChanges& changes,
                 std::optional<TFileState>* after)
{
    return ChangeFile(
        path, [&](TOpenTagFile& file) { return file.Write(trailer, changes); }, &trailer, after);
}

} // namespace

bool IsTagTrailer(const TTagTrailer& bytes)
{
    return bytes[0] == 'T' && bytes[1] == 'A' && bytes[2] == 'G';
}

int TOpenTagFile::Open(const std::string& path, bool lookFirst)
{
    return OpenLocked(path, lookFirst, true);
}

int TOpenTagFile::OpenToMove(const std::string& path, bool lookFirst)
{
    return OpenLocked(path, lookFirst, false);
}

int TOpenTagFile::OpenLocked(const std::string& path, bool lookFirst, bool write)
{
    struct stat info = {};
    if (const int code = OpenCurrentForChange(path, Handle, info, lookFirst, write); code != 0) {
        Handle.Close();
        return code;
    }
    Length = info.st_size;
    ModifiedNs = ModifiedNsOf(info);
    ModifiedKnown = true;
    return ReadTrailer();
}

int TOpenTagFile::Adopt(int fd)
{
    Handle.Reset(fd);
    struct stat info = {};
    if (fstat(fd, &info) != 0) {
        ModifiedKnown = false;
        TrailerKnown = false;
        return errno;
    }
    Length = info.st_size;
    ModifiedNs = ModifiedNsOf(info);
    ModifiedKnown = true;
    return ReadTrailer();
}

int TOpenTagFile::ReadTrailer()
{
    const int code = ::ReadTrailer(Handle.Get(), Length, Trailer, HasTrailer);
    TrailerKnown = code == 0;
    return code;
}

std::optional<TFileState> TOpenTagFile::State()
{
    if (!ModifiedKnown) {
        struct stat info = {};
        if (fstat(Handle.Get(), &info) != 0) {
            return std::nullopt;
        }
        Length = info.st_size;
        ModifiedNs = ModifiedNsOf(info);
        ModifiedKnown = true;
    }
    if (!TrailerKnown) {
        return std::nullopt;
    }
    TFileState state;
    state.Size = Length;
    state.ModifiedNs = ModifiedNs;
    if (HasTrailer && Length > static_cast<off_t>(TagTrailerSize)) {
        state.Trailer = Trailer;
    }
    return state;
}

int TOpenTagFile::Write(const TTagTrailer& trailer, const TFileChanges& changes)
{
    const int fd = Handle.Get();
    // The file must never be left without a whole trailer, old or new: the old trailer is
    // overwritten in place (and put back if the write stops half way), a first one is appended
    // (and cut off again if the write stops half way). Either way the file ends in exactly one
    // trailer of the new bytes, as if the old one had been cut off and the new one appended.
    if (HasTrailer) {
        const off_t offset = Length - static_cast<off_t>(TagTrailerSize);
        if (const int code = WriteAll(changes, fd, trailer, offset); code != 0) {
            WriteAll(changes, fd, Trailer, offset);
            return Undone(code);
        }
    } else if (const int code = WriteAll(changes, fd, trailer, Length); code != 0) {
        changes.Truncate(fd, Length);
        return Undone(code);
    } else {
        Length += static_cast<off_t>(TagTrailerSize);
    }
    Trailer = trailer;
    HasTrailer = IsTagTrailer(trailer);
    ModifiedKnown = false;
    return 0;
}

int TOpenTagFile::Undone(int code)
{
    // The bytes are back as they were; so is the time, which the failed write and the repair
    // moved on, so that the file looks untouched to whatever compares times (the undo journal,
    // backups). The open checked the time; a file this user may not set times of keeps the new one.
    if (ModifiedKnown) {
        SetModified(ModifiedNs);
    }
    return code;
}

int TOpenTagFile::Append(const TTagTrailer& trailer, const TFileChanges& changes)
{
    if (const int code = WriteAll(changes, Handle.Get(), trailer, Length); code != 0) {
        changes.Truncate(Handle.Get(), Length);
        return Undone(code);
    }
    Length += static_cast<off_t>(TagTrailerSize);
    Trailer = trailer;
    HasTrailer = IsTagTrailer(trailer);
    TrailerKnown = true;
    ModifiedKnown = false;
    return 0;
}

int TOpenTagFile::Remove(const TFileChanges& changes)
{
    // one trailer per call, even when the file ends in two
    if (!HasTrailer) {
        return 0;
    }
    if (changes.Truncate(Handle.Get(), Length - static_cast<off_t>(TagTrailerSize)) != 0) {
        return errno != 0 ? errno : EIO;
    }
    Length -= static_cast<off_t>(TagTrailerSize);
    ModifiedKnown = false;
    // a file that ended in two trailers still ends in one; a failed look leaves the state unknown
    ReadTrailer();
    return 0;
}

int TOpenTagFile::SetModified(std::int64_t ns)
{
    const timespec times[2] = {
        {0, UTIME_OMIT},
        {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)}};
    if (futimens(Handle.Get(), times) != 0) {
        return errno;
    }
    ModifiedNs = ns;
    ModifiedKnown = true;
    return 0;
}

TFileChanges TFileChanges::System()
{
    return {[](int fd, const void* data, std::size_t size, off_t offset) {
                return ::pwrite(fd, data, size, offset);
            },
            [](int fd, off_t length) { return ::ftruncate(fd, length); }};
}

int RemoveTagTrailer(const std::string& path, const TFileChanges& changes)
{
    return RemoveTrailer(path, changes, nullptr);
}

int WriteTagTrailer(const std::string& path, const TTagRecord& tag, const TFileChanges& changes,
                    const TTagCodePage& codePage)
{
    return WriteTagTrailer(path, BuildTagTrailer(tag, codePage), changes);
}

int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer,
                    const TFileChanges& changes)
{
    return WriteTrailer(path, trailer, changes, nullptr);
}

int RemoveTagTrailer(const std::string& path)
{
    return RemoveTagTrailer(path, TFileChanges::System());
}

int WriteTagTrailer(const std::string& path, const TTagRecord& tag, const TTagCodePage& codePage)
{
    return WriteTagTrailer(path, tag, TFileChanges::System(), codePage);
}

int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer)
{
    return WriteTagTrailer(path, trailer, TFileChanges::System());
}

int RemoveTagTrailer(const std::string& path, std::optional<TFileState>& after)
{
    return RemoveTrailer(path, TFileChanges::System(), &after);
}

int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer,
                    std::optional<TFileState>& after)
{
    return WriteTrailer(path, trailer, TFileChanges::System(), &after);
}
