#include "engine/block_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr std::size_t FirstBlock = 4096;
constexpr std::size_t LargestBlock = 1 << 20;

} // namespace

TBlockReader::TBlockReader(int fd, std::int64_t length)
    : Fd(fd), Length(length), NextBlock(FirstBlock)
{
}

bool TBlockReader::Fill(std::int64_t pos)
{
    if (Failure != 0 || pos < 0 || pos >= Length) {
        return false;
    }
    const auto wanted = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(NextBlock), Length - pos));
    if (Capacity < wanted) {
        // no zero filling: every byte handed out was read first
        Buffer.reset(new std::uint8_t[wanted]);
        Capacity = wanted;
    }
    NextBlock = std::min(NextBlock * 2, LargestBlock);
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(Fd, Buffer.get() + got, wanted - got,
                                  static_cast<off_t>(pos + static_cast<std::int64_t>(got)));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Failure = errno;
            break;
        }
        if (n == 0) {
            break; // the file shrank since its length was taken
        }
        got += static_cast<std::size_t>(n);
    }
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
        if ((at < BufferStart || at >= bufferEnd) && !Fill(at)) {
            break;
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
