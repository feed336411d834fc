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
