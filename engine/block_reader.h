#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Reads up to `count` bytes at `offset` of an open file, again after an interrupted call, until
// the end of the file; returns how many it read. `error` gets the errno value of a failed read,
// 0 when none failed.
std::size_t ReadAt(int fd, void* out, std::size_t count, std::int64_t offset, int& error);

// Keeps memory a batch frees on the heap for the next file instead of handing it back to the
// system after each one: a file's analysis and tag write take and free buffers of tens of
// kilobytes, and the pages the system would take back must be faulted in again for the next file,
// which cost a quarter of a tag write. Called once at the start of a program that runs batches.
void KeepFreedBuffers();

// Reads an open file through a buffer: byte by byte where the frame search slides, in small
// pieces elsewhere. The first block is small (most streams start near the top of a file) and
// later blocks grow, so that a long search costs few system calls. The buffer starts on a page
// boundary: the kernel copies into an aligned buffer several times faster than into one that is
// not, which is most of the time a search through a large file takes. A first block's buffer is
// kept for the next reader on the same thread, so that the analysis of a list takes no memory per
// file.
class TBlockReader
{
public:
    TBlockReader(int fd, std::int64_t length);
    ~TBlockReader();
    TBlockReader(const TBlockReader&) = delete;
    TBlockReader& operator=(const TBlockReader&) = delete;

    // The byte at `pos`; false at the end of the file or after a read failure.
    bool Byte(std::int64_t pos, std::uint8_t& out)
    {
        if (pos >= BufferStart && pos < BufferStart + static_cast<std::int64_t>(BufferLength)) {
            out = Buffer.get()[pos - BufferStart];
            return true;
        }
        return Fill(pos) && Byte(pos, out);
    }

    // The position of the first byte `value` at or after `pos` in the block that holds `pos`, or
    // the end of that block when the value is not in it; -1 at the end of the file or after a
    // read failure. One block at a time, so that a caller can stay responsive between blocks.
    std::int64_t FindInBlock(std::int64_t pos, std::uint8_t value);

    // Copies up to `count` bytes from `pos`; returns how many there were. What lies beyond the
    // buffered block and is longer than a block is read straight into `out`.
    std::size_t Read(std::int64_t pos, std::uint8_t* out, std::size_t count);

    // The errno value of the first failed read, 0 when none failed.
    int Error() const { return Failure; }

private:
    bool Fill(std::int64_t pos);

    int Fd;
    std::int64_t Length;
    struct TFreeBuffer
    {
        void operator()(std::uint8_t* buffer) const;
    };

    std::unique_ptr<std::uint8_t, TFreeBuffer> Buffer;
    std::size_t Capacity = 0;
    std::int64_t BufferStart = 0;
    std::size_t BufferLength = 0;
    std::size_t NextBlock;
    int Failure = 0;
};
