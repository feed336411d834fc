#pragma once

#include "engine/code_page.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_audio.h"
#include "engine/yield.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// One file of a list as the reading ahead hands it over.
struct TFileAnalysis
{
    TMPEGAudio Audio;
    TId3v2Reading Id3v2; // read only when the list asks for it
};

// Analyses a list of files, ahead of the caller on a few threads where that pays, and hands the
// analyses over in the list's order, each as the file's own SetFileName gives it. On a cold disk,
// a network share or a USB stick most of a file's time is spent waiting for the device; with
// several files in flight the waits overlap. From files in the page cache there is nothing to
// wait for, and handing a file's analysis from one thread to another costs more than a second
// processor saves once other programs keep it busy: the reading starts on the caller's thread
// alone and adds threads, up to `Threads`, while the files keep it waiting. At most `Ahead`
// analyses are held. The working folder is looked up once, when the reading starts.
class TAnalysisReadAhead
{
public:
    struct TOptions
    {
        TTagCodePage CodePage = DefaultTagCodePage;
        bool ReadId3v2 = false;
        std::size_t Threads = 16;     // the most beside the caller; one is the least
        std::size_t FirstThreads = 0; // started at once, for files known to be slow
        std::size_t Ahead = 64;
    };

    TAnalysisReadAhead(std::vector<std::string> paths, const TOptions& options);
    // Stops the reading after the files in flight and waits for them.
    ~TAnalysisReadAhead();
    TAnalysisReadAhead(const TAnalysisReadAhead&) = delete;
    TAnalysisReadAhead& operator=(const TAnalysisReadAhead&) = delete;

    // The next file's analysis; nothing after the last one. It stays valid until the next call.
    // A file no thread has taken up yet is analysed on the calling thread; without a `yield` the
    // caller also takes up later files rather than wait for the one it needs. With a `yield`, it
    // is called every few milliseconds while the file is read elsewhere, so that a window stays
    // responsive.
    const TFileAnalysis* Next(const TYieldFn& yield = {});
    // As Next when `path` is the next file of the list; nothing, taking nothing, when it is not
    // (the caller then reads the file itself).
    const TFileAnalysis* Take(const std::string& path, const TYieldFn& yield = {});

private:
    void Read();
    // Analyses file `index` into its slot and marks it ready; called with `guard` locked, which
    // it unlocks for the analysis.
    void Analyse(std::size_t index, std::unique_lock<std::mutex>& guard, const TYieldFn& yield);
    // Whether the next file not taken up yet may be: it is in the list and its slot is free.
    bool CanStart() const;
    // Moves the count of analyses that are ready in a row past those that are.
    void AdvanceReady();
    void AddReader();

    const std::vector<std::string> Paths;
    const TOptions Options;
    std::optional<std::string> BaseFolder;
    std::mutex Lock;
    std::condition_variable ResultReady;
    std::condition_variable RoomFree;
    // index i of the list in Slots[i % Ahead], analysed there by whoever took it up
    std::vector<TFileAnalysis> Slots;
    std::vector<bool> SlotReady;
    std::size_t Taken = 0;      // files handed over
    std::size_t Released = 0;   // files handed over whose slot is free again
    std::size_t Started = 0;    // files taken up
    std::size_t ReadyInRow = 0; // every file before this one is ready
    std::size_t WaitedFor = 0;  // the caller waits until ReadyInRow reaches this
    std::size_t SlowInRow = 0;  // analyses in a row that waited for the device
    bool CallerWaiting = false;
    std::size_t ThreadsWaiting = 0;
    bool Stop = false;
    std::vector<std::thread> Readers;
};
