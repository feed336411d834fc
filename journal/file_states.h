#pragma once

#include "engine/tag_file.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

// The state of the file at `path` now (following links, as the writes do).
TFileState ReadFileState(const std::string& path);

// How a TFileStateReader asks the system.
enum class TStateReading
{
    Batched,  // in groups through io_uring where the system offers it, else one by one
    OneByOne, // a few system calls per file
};

class TStateRing;

// Reads the states of many files. Looking at a file takes four system calls (open, stat, read of
// the trailer, close); batched, the opens, reads and closes of a group of files take one call
// each, which makes a long list about twice as quick where calls are dear. A file whose open
// fails in the group is looked at by itself. What the batched reading sets up is kept from one
// call to the next: one reader per thread.
class TFileStateReader
{
public:
    explicit TFileStateReader(TStateReading how = TStateReading::Batched);
    ~TFileStateReader();
    TFileStateReader(const TFileStateReader&) = delete;
    TFileStateReader& operator=(const TFileStateReader&) = delete;

    // Appends the states of the paths to `states`, in order, each exactly as ReadFileState
    // gives it.
    void Read(std::span<const std::string> paths, std::vector<TFileState>& states);

private:
    TStateReading How;
    std::unique_ptr<TStateRing> Ring; // set up at the first long list
    bool RingFailed = false;          // none to be had, or it failed: one by one from then on
};
