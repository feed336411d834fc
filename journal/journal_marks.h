#pragma once

#include <cstddef>
#include <string_view>
#include <sys/types.h>

// The end of an open batch file where its marks go: lines stored straight into a shared mapping
// of the file, so that a mark costs no system call. A store into the mapping is in the system's
// page cache at once: a batch killed after it leaves the mark in the file, exactly as a write()
// would; only a power cut may lose the last marks, as with a write(). (On a file system that maps
// no files the marks are written instead.)
//
// The area is reserved ahead (allocated on the disk, so that a full disk refuses the reservation
// instead of failing a store later) and reads as zero bytes until a mark fills it; a reader takes
// the text up to the first zero byte. Each line is stored before its "\n", so a batch killed in
// the middle of a mark leaves a last line without its end, which a reader drops. Finish() cuts
// the unused reserve off again.
class TJournalMarks
{
public:
    TJournalMarks() = default;
    ~TJournalMarks() { Unmap(); }
    TJournalMarks(const TJournalMarks&) = delete;
    TJournalMarks& operator=(const TJournalMarks&) = delete;

    // Starts the area at `end` (the end of what the file holds) in the file open for reading and
    // writing, reserving `expected` bytes; 0 or the errno value.
    int Start(int fd, off_t end, std::size_t expected);
    // Stores one line ending in "\n", reserving more room when it does not fit; 0 or the errno
    // value (the mark is then not stored).
    int Add(std::string_view line);
    // Gives back the reserve that no mark filled and lets go of the mapping; 0 or the errno value.
    int Finish();

private:
    int Map(std::size_t more);
    void Unmap();

    int Fd = -1;
    off_t Used = 0;     // where the next mark goes
    off_t Reserved = 0; // the end of the reserve: the file's length
    off_t MapStart = 0; // the offset in the file the mapping begins at (a page boundary)
    char* Mapped = nullptr;
    std::size_t MapLength = 0;
    bool Unmappable = false; // the file system maps no files: the marks are written
};
