#include "engine/tag_file.h"

#include "engine/file_handle.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens an existing regular file for reading and writing: -1 when there is none (a folder is no
// file either, nor a name with a zero byte, which the system would read as a shorter name), EACCES
// when it has no write permission bit at all (also for the superuser, who could otherwise open it),
// EINVAL for a device or pipe, else the errno of the failed open.
int OpenForChange(const std::string& path, TFileHandle& file, off_t& length)
{
    if (path.find('\0') != std::string::npos) {
        return -1;
    }
    struct stat info = {};
    if (stat(path.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? -1 : errno;
    }
    if (S_ISDIR(info.st_mode)) {
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        return EINVAL;
    }
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? -1 : errno;
    }
    file.Reset(fd);
    // the name may have been given to another file since the check above
    if (fstat(fd, &info) != 0) {
        return errno;
    }
    if (!S_ISREG(info.st_mode)) {
        return EINVAL;
    }
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    length = info.st_size;
    return 0;
}

// The last 128 bytes when the file is longer than that and they start with "TAG".
int ReadTrailer(int fd, off_t length, TTagTrailer& trailer, bool& found)
{
    found = false;
    if (length <= static_cast<off_t>(TagTrailerSize)) {
        return 0;
    }
    std::size_t got = 0;
    while (got < TagTrailerSize) {
        const ssize_t n =
            ::pread(fd, trailer.data() + got, TagTrailerSize - got,
                    length - static_cast<off_t>(TagTrailerSize) + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        got += static_cast<std::size_t>(n);
    }
    found = trailer[0] == 'T' && trailer[1] == 'A' && trailer[2] == 'G';
    return 0;
}

// A file opened for a change, with its last 128 bytes when they are a trailer.
struct TOpenFile
{
    TFileHandle Handle;
    off_t Length = 0;
    TTagTrailer Trailer{};
    bool HasTrailer = false;
};

int OpenWithTrailer(const std::string& path, TOpenFile& file)
{
    if (const int code = OpenForChange(path, file.Handle, file.Length); code != 0) {
        return code;
    }
    return ReadTrailer(file.Handle.Get(), file.Length, file.Trailer, file.HasTrailer);
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

// The state of the changed file from its descriptor; `last` is what its last 128 bytes are known
// to be, or null when they are to be read. Left empty when the system does not answer.
void StateOfChanged(int fd, const TTagTrailer* last, std::optional<TFileState>* after)
{
    if (after == nullptr) {
        return;
    }
    after->reset();
    struct stat info = {};
    if (fstat(fd, &info) != 0) {
        return;
    }
    TFileState state;
    state.Size = info.st_size;
    state.ModifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    TTagTrailer bytes{};
    bool found = false;
    if (last == nullptr) {
        if (ReadTrailer(fd, info.st_size, bytes, found) != 0) {
            return;
        }
    } else if (info.st_size > static_cast<off_t>(TagTrailerSize)) {
        bytes = *last;
        found = bytes[0] == 'T' && bytes[1] == 'A' && bytes[2] == 'G';
    }
    if (found) {
        state.Trailer = bytes;
    }
    *after = state;
}

int RemoveTrailer(const std::string& path, const TFileChanges& changes,
                  std::optional<TFileState>* after)
{
    if (after != nullptr) {
        after->reset();
    }
    TOpenFile file;
    if (const int code = OpenWithTrailer(path, file); code != 0) {
        return code;
    }
    // one trailer per call, even when the file ends in two
    if (file.HasTrailer &&
        changes.Truncate(file.Handle.Get(), file.Length - static_cast<off_t>(TagTrailerSize)) !=
            0) {
        return errno != 0 ? errno : EIO;
    }
    // a file that ended in two trailers still ends in one: its last bytes are read again
    StateOfChanged(file.Handle.Get(), file.HasTrailer ? nullptr : &file.Trailer, after);
    const int code = file.Handle.Close();
    if (code != 0 && after != nullptr) {
        after->reset();
    }
    return code;
}

int WriteTrailer(const std::string& path, const TTagTrailer& trailer, const TFileChanges& changes,
                 std::optional<TFileState>* after)
{
    if (after != nullptr) {
        after->reset();
    }
    TOpenFile file;
    if (const int code = OpenWithTrailer(path, file); code != 0) {
        return code;
    }
    const int fd = file.Handle.Get();
    // The file must never be left without a whole trailer, old or new: the old trailer is
    // overwritten in place (and put back if the write stops half way), a first one is appended
    // (and cut off again if the write stops half way). Either way the file ends in exactly one
    // trailer of the new bytes, as if the old one had been cut off and the new one appended.
    if (file.HasTrailer) {
        const off_t offset = file.Length - static_cast<off_t>(TagTrailerSize);
        if (const int code = WriteAll(changes, fd, trailer, offset); code != 0) {
            WriteAll(changes, fd, file.Trailer, offset);
            return code;
        }
    } else if (const int code = WriteAll(changes, fd, trailer, file.Length); code != 0) {
        changes.Truncate(fd, file.Length);
        return code;
    }
    StateOfChanged(fd, &trailer, after);
    const int code = file.Handle.Close();
    if (code != 0 && after != nullptr) {
        after->reset();
    }
    return code;
}

} // namespace

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
