#pragma once

#include "engine/tag_record.h"

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>

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

int RemoveTagTrailer(const std::string& path, const TFileChanges& changes);
int WriteTagTrailer(const std::string& path, const TTagRecord& tag, const TFileChanges& changes);
int WriteTagTrailer(const std::string& path, const TTagTrailer& trailer,
                    const TFileChanges& changes);
