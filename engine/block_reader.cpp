#include "engine/block_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t FirstBlock = 4096;
constexpr std::size_t LargestBlock = 1 << 20;
constexpr std::size_t PageSize = 4096;
static_assert(FirstBlock % PageSize == 0, "a first block's buffer is exactly one block long");

// The first block's buffer of the last reader on this thread, for the next one.
struct TSpareBuffer
{
    std::uint8_t* Buffer = nullptr;
    ~TSpareBuffer() { std::free(Buffer); }
};

thread_local TSpareBuffer Spare;

} // namespace

void KeepFreedBuffers()
{
    // freed memory at the top of the heap goes back to the system only beyond this
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
}

std::size_t ReadAt(int fd, void* out, std::size_t count, std::int64_t offset, int& error)
{
    error = 0;
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd, static_cast<std::uint8_t*>(out) + got, count - got,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = errno;
            break;
        }
        if (n == 0) {
            break; // the end of the file, which may have shrunk since its length was taken
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

TBlockReader::TBlockReader(int fd, std::int64_t length)
    : Fd(fd), Length(length), NextBlock(FirstBlock)
{
}

TBlockReader::~TBlockReader()
{
    if (Capacity == FirstBlock && Spare.Buffer == nullptr) {
        Spare.Buffer = Buffer.release();
    }
}

void TBlockReader::TFreeBuffer::operator()(std::uint8_t* buffer) const
{
    std::free(buffer);
}

bool TBlockReader::Fill(std::int64_t pos)
{
    if (Failure != 0 || pos < 0 || pos >= Length) {
        return false;
    }
    const auto wanted = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(NextBlock), Length - pos));
    if (Capacity < wanted && wanted <= FirstBlock && Spare.Buffer != nullptr) {
        Buffer.reset(std::exchange(Spare.Buffer, nullptr));
        Capacity = FirstBlock;
    }
    if (Capacity < wanted) {
        // no zero filling: every byte handed out was read first
        const std::size_t capacity = (wanted + PageSize - 1) / PageSize * PageSize;
        Buffer.reset(static_cast<std::uint8_t*>(std::aligned_alloc(PageSize, capacity)));
        if (!Buffer) {
            throw std::bad_alloc();
        }
        Capacity = capacity;
    }
    NextBlock = std::min(NextBlock * 2, LargestBlock);
    const std::size_t got = ReadAt(Fd, Buffer.get(), wanted, pos, Failure);
    BufferStart = pos;
    BufferLength = got;
    return got > 0;
}

std::size_t TBlockReader::Read(std::int64_t pos, std::uint8_t* out, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const std::int64_t at = pos + static_cast<std::int64_t>(done);
        const std::int64_t bufferEnd = BufferStart + static_cast<std::int64_t>(BufferLength);
        if (at < BufferStart || at >= bufferEnd) {
            if (count - done >= NextBlock && Failure == 0) {
                // a long piece goes straight to the caller rather than block by block
                done += ReadAt(Fd, out + done, count - done, at, Failure);
                break;
            }
            if (!Fill(at)) {
                break;
            }
        }
        const auto offset = static_cast<std::size_t>(at - BufferStart);
        const std::size_t piece = std::min(count - done, BufferLength - offset);
        std::memcpy(out + done, Buffer.get() + offset, piece);
        done += piece;
    }
    return done;
}

std::int64_t TBlockReader::FindInBlock(std::int64_t pos, std::uint8_t value)
{
    const std::int64_t bufferEnd = BufferStart + static_cast<std::int64_t>(BufferLength);
    if ((pos < BufferStart || pos >= bufferEnd) && !Fill(pos)) {
        return -1;
    }
    const auto offset = static_cast<std::size_t>(pos - BufferStart);
    const void* found = std::memchr(Buffer.get() + offset, value, BufferLength - offset);
    return found == nullptr
               ? BufferStart + static_cast<std::int64_t>(BufferLength)
               : BufferStart + (static_cast<const std::uint8_t*>(found) - Buffer.get());
}
