#pragma once

#include "engine/file_handle.h"
#include "engine/tag_record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

// True when the bytes start with "TAG", as a tag trailer does.
bool IsTagTrailer(const TTagTrailer& bytes);

// What a file is at one moment, as far as telling whether it changed needs to know.
struct TFileState
{
    std::int64_t Size = -1; // -1: no file
    std::int64_t ModifiedNs = 0;
    // the last 128 bytes, when the file is longer than that and they start with "TAG"
    std::optional<TTagTrailer> Trailer;

    bool operator==(const TFileState&) const = default;
};

// The calls that change a file while a trailer is written or removed. Tests replace them to make
// a write stop half way or a truncation fail.
struct TFileChanges
{
    // as pwrite(2): bytes written, or -1 with errno set
    std::function<ssize_t(int fd, const void* data, std::size_t size, off_t offset)> Write;
    // as ftruncate(2): 0, or -1 with errno set
    std::function<int(int fd, off_t length)> Truncate;

    static TFileChanges System();
};

// A file opened once to look at its state and change it: the trailer written or removed and the
// modification time set, all through the one descriptor. While open it holds the advisory lock
// (flock) every Cantrel takes on a file it changes, so that two batches take turns on a file and
// each sees what the other left.
class TOpenTagFile
{
public:
    // Opens an existing regular file for reading and writing: 0, -1 when there is none (a folder
    // is no file either, nor a name with a zero byte), EACCES when it has no write permission bit
    // at all (also for the superuser), EINVAL for a device or pipe, EWOULDBLOCK when another
    // program keeps it locked, else the errno value. Without `lookFirst` the name is opened at once
    // and only the open file is checked: for a name known to have held a regular file, where the
    // look would only cost time. The state is taken once the lock is held.
    int Open(const std::string& path, bool lookFirst = true);
    // The same for a file about to be moved: opened for reading only, so that a file without write
    // permission can be moved as well; Write and Remove then fail.
    int OpenToMove(const std::string& path, bool lookFirst = true);
    // What the file is now; nothing when the system would not say.
    std::optional<TFileState> State();
    // As WriteTagTrailer and RemoveTagTrailer: the file is never left without a whole trailer, and
    // a write that fails leaves the bytes and the modification time as they were.
    int Write(const TTagTrailer& trailer, const TFileChanges& changes);
    int Remove(const TFileChanges& changes);
    // Appends the trailer after the last byte, whatever the file ends in (cut off again if the
    // write stops half way).
    int Append(const TTagTrailer& trailer, const TFileChanges& changes);
    // Sets the modification time, nanoseconds since 1970; 0 or the errno value.
    int SetModified(std::int64_t ns);
    // 0, or the errno value of a failed close (a late write error on some file systems).
    int Close() { return Handle.Close(); }
    // The open descriptor, for changes made elsewhere (the ID3v2 tag at the head); the state is
    // then unknown until the next Adopt.
    int Descriptor() const { return Handle.Get(); }
    // Takes over `fd` (locked by the caller), closing the present file, and looks at its state:
    // the file that replaced the open one under its name. 0 or the errno value.
    int Adopt(int fd);
    // Says that the bytes were changed through Descriptor() without a change of length.
    void Touched() { ModifiedKnown = false; }

private:
    int OpenLocked(const std::string& path, bool lookFirst, bool write);
    int ReadTrailer();
    // After a failed write was repaired: the time set back; gives `code`.
    int Undone(int code);

    TFileHandle Handle;
    off_t Length = 0;
    std::int64_t ModifiedNs = 0;
    bool ModifiedKnown = false; // false after a change until the time is set or looked up
    TTagTrailer Trailer{};      // the last 128 bytes when HasTrailer
    bool HasTrailer = false;
    bool TrailerKnown = true; // false when the last bytes could not be read after a removal
};

int RemoveTagTrailer(const std::string& path, const TFileChanges& changes);
int WriteTagTrailer(const std::string& path, const TTagRecord& tag, const TFileChanges& changes,
                    const TTagCodePage& codePage = DefaultTagCodePage);
int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer,
                    const TFileChanges& changes);

// As the calls of tag_record.h, also giving the file's state once changed (taken from the open
// file, so that no second look at it is needed; left empty when the system would not say).
int RemoveTagTrailer(const std::string& path, std::optional<TFileState>& after);
int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer,
                    std::optional<TFileState>& after);
