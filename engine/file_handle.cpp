#include "engine/file_handle.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

TFileHandle::~TFileHandle()
{
    Close();
}

int TFileHandle::Close()
{
    if (Fd < 0) {
        return 0;
    }
    const int result = ::close(Fd);
    Fd = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
}

namespace {

// Writes all `size` bytes through `put` (one write or pwrite call of the rest after `done` bytes),
// again after an interrupted call and until done; 0 or the errno value (EIO when the file takes no
// more bytes).
template <typename Put> int WriteUntilDone(std::size_t size, Put put)
{
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = put(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace

int WriteAt(int fd, const void* data, std::size_t size, off_t offset)
{
    const auto* bytes = static_cast<const char*>(data);
    return WriteUntilDone(size, [&](std::size_t done) {
        return ::pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
    });
}

int WriteAll(int fd, std::string_view bytes)
{
    return WriteUntilDone(bytes.size(), [&](std::size_t done) {
        return ::write(fd, bytes.data() + done, bytes.size() - done);
    });
}

int SyncFolder(const std::string& folder)
{
    TFileHandle dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.IsOpen()) {
        return errno;
    }
    return ::fsync(dir.Get()) == 0 ? 0 : errno;
}
