#include "engine/file_handle.h"

#include <cerrno>
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

int WriteAt(int fd, const void* data, std::size_t size, off_t offset)
{
    const auto* bytes = static_cast<const char*>(data);
    for (std::size_t done = 0; done < size;) {
        const ssize_t n =
            ::pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
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
