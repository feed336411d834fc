#include "journal/journal_marks.h"

#include "engine/file_handle.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

int TJournalMarks::Start(int fd, off_t end, std::size_t expected)
{
    Unmap();
    Fd = fd;
    Used = end;
    Reserved = end;
    return Map(expected);
}

int TJournalMarks::Map(std::size_t more)
{
    Unmap();
    const auto page = static_cast<off_t>(sysconf(_SC_PAGESIZE));
    // whole pages, and at least one page past the line that did not fit
    const off_t wanted = (static_cast<off_t>(more) / page + 1) * page;
    if (const int code = posix_fallocate(Fd, Reserved, wanted); code != 0) {
        return code;
    }
    // The room is also written with zero bytes, which puts its pages in the cache: a mark then
    // lands on a page that is there already, which costs a third of one the system must first
    // make for a reserved block.
    static const char zeros[64 * 1024] = {};
    for (off_t done = 0; done < wanted; done += static_cast<off_t>(sizeof zeros)) {
        const auto size = static_cast<std::size_t>(std::min<off_t>(wanted - done, sizeof zeros));
        if (const int code = WriteAt(Fd, zeros, size, Reserved + done); code != 0) {
            return code;
        }
    }
    Reserved += wanted;
    MapStart = Used / page * page;
    MapLength = static_cast<std::size_t>(Reserved - MapStart);
    void* at = mmap(nullptr, MapLength, PROT_READ | PROT_WRITE, MAP_SHARED, Fd, MapStart);
    if (at == MAP_FAILED) {
        // a file system that maps no files still takes the marks as writes
        Unmappable = errno == ENODEV;
        return Unmappable ? 0 : errno;
    }
    Mapped = static_cast<char*>(at);
#ifdef MADV_POPULATE_WRITE
    madvise(at, MapLength, MADV_POPULATE_WRITE); // the pages mapped at once, where the system can
#endif
    return 0;
}

void TJournalMarks::Unmap()
{
    if (Mapped != nullptr) {
        munmap(Mapped, MapLength);
        Mapped = nullptr;
    }
}

int TJournalMarks::Add(std::string_view line)
{
    if (Fd < 0 || line.empty()) {
        return EBADF;
    }
    const auto size = static_cast<off_t>(line.size());
    if (Unmappable) {
        if (const int code = WriteAt(Fd, line.data(), line.size(), Used); code != 0) {
            return code;
        }
        Used += size;
        return 0;
    }
    if (Mapped == nullptr || Used + size > Reserved) {
        // doubles the area, so that a long batch maps anew only a few times
        if (const int code = Map(std::max(line.size(), MapLength)); code != 0) {
            return code;
        }
    }
    char* at = Mapped + (Used - MapStart);
    std::memcpy(at, line.data(), line.size() - 1);
    // The compiler must not store the "\n" before the rest: a kill stops the program between two
    // of its instructions, and every store before that point is in the file.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    at[line.size() - 1] = line.back();
    Used += size;
    return 0;
}

int TJournalMarks::Finish()
{
    Unmap();
    if (Fd < 0) {
        return 0;
    }
    const int code = Reserved > Used && ftruncate(Fd, Used) != 0 ? errno : 0;
    Fd = -1;
    return code;
}
