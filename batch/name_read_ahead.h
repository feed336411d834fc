#pragma once

#include "engine/code_page.h"
#include "engine/regional_settings.h"
#include "engine/tag_file.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Expands a file-name macro for the files of a batch on a second thread, a few files ahead of the
// renames, so that reading the files overlaps with moving them. Reading a file ahead is safe: a
// rename never replaces a file, so moving one file of the batch cannot change another one's path
// or contents.
class TNameReadAhead
{
public:
    struct TName
    {
        std::string Expanded; // the macro expanded against the file
        // what the analysis saw of the file when it opened it as a regular file
        std::optional<TFileState> Seen;
    };

    TNameReadAhead(std::vector<std::string> paths, std::string macro, TRegionalSettings regional,
                   TTagCodePage codePage);
    // Stops the reading after the file it is on and waits for it.
    ~TNameReadAhead();
    TNameReadAhead(const TNameReadAhead&) = delete;
    TNameReadAhead& operator=(const TNameReadAhead&) = delete;

    // The name of the next file of the batch, waiting for it when it is not read yet. Nothing when
    // `path` is not the next file (the caller then reads the file itself) or after the last one.
    std::optional<TName> Take(const std::string& path);

private:
    void Read();

    // at most this many names wait to be taken, so a cancelled batch reads little in vain
    static constexpr std::size_t Ahead = 256;

    const std::vector<std::string> Paths;
    const std::string Macro;
    const TRegionalSettings Regional;
    const TTagCodePage CodePage;
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<TName> Ready;
    std::size_t Next = 0; // index in Paths of the name at the front of Ready
    bool Stop = false;
    std::thread Reader; // last: starts once everything above is set
};
