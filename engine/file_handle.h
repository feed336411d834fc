#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

// An open file descriptor that is closed when the handle goes out of scope, so that every path
// out of a file operation closes the file.
class TFileHandle
{
public:
    TFileHandle() = default;
    explicit TFileHandle(int fd) : Fd(fd) {}
    ~TFileHandle();
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    // Closes the present descriptor and takes `fd`.
    void Reset(int fd)
    {
        Close();
        Fd = fd;
    }

    int Get() const { return Fd; }
    // Gives up the descriptor without closing it.
    int Release()
    {
        const int fd = Fd;
        Fd = -1;
        return fd;
    }
    bool IsOpen() const { return Fd >= 0; }

    // Closes now; 0 or the errno value of a failed close (a late write error on some file systems).
    int Close();

private:
    int Fd = -1;
};

// Writes all `size` bytes at `offset` (pwrite until done); 0 or the errno value (EIO when the file
// takes no more bytes).
int WriteAt(int fd, const void* data, std::size_t size, off_t offset);

// Writes all of `bytes` at the descriptor's position (write until done); 0 or the errno value.
int WriteAll(int fd, std::string_view bytes);

// Flushes the folder's entries (a file made or renamed in it) to the device; 0 or the errno
// value. An empty folder is the working folder.
int SyncFolder(const std::string& folder);
