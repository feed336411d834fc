#pragma once

#include "engine/tag_file.h"

#include <span>
#include <string>
#include <vector>

// The state of the file at `path` now (following links, as the writes do).
TFileState ReadFileState(const std::string& path);

// How ReadFileStates asks the system.
enum class TStateReading
{
    Batched,  // in groups through io_uring where the system offers it, else one by one
    OneByOne, // a few system calls per file
};

// The states of many files, in order, each exactly as ReadFileState gives it. Looking at a file
// takes four system calls (open, stat, read of the trailer, close); batched, a group of files
// costs four calls in all, which on a system with dear calls makes a long list several times
// quicker. A file whose open fails in the group is looked at by itself.
std::vector<TFileState> ReadFileStates(std::span<const std::string> paths,
                                       TStateReading how = TStateReading::Batched);
