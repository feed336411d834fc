#include "engine/analysis_read_ahead.h"

#include "engine/path_parts.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <utility>

namespace {

using TClock = std::chrono::steady_clock;

// A file in the page cache is analysed in a few microseconds, well under this even with a
// large ID3v2 tag; one that has to come from a disk or a share takes longer.
constexpr auto SlowRead = std::chrono::microseconds(100);
// Analyses in a row that took that long before threads are added: a thread that lost the
// processor to another program half way through a file makes one slow analysis, rarely more.
constexpr std::size_t SlowReadsForThread = 3;

} // namespace

TAnalysisReadAhead::TAnalysisReadAhead(std::vector<std::string> paths, const TOptions& options)
    : Paths(std::move(paths)), Options(options)
{
    // a working folder that is gone is looked up again per file, which fails each as before
    if (std::string folder; WorkingFolder(folder) == 0) {
        BaseFolder = std::move(folder);
    }
    const std::size_t ahead = std::max<std::size_t>(Options.Ahead, 1);
    Slots.resize(ahead);
    for (TFileAnalysis& slot : Slots) {
        slot.Audio.CodePage = Options.CodePage;
        slot.Audio.BaseFolder = BaseFolder;
    }
    SlotReady.assign(ahead, false);
    const std::lock_guard guard(Lock);
    for (std::size_t i = 0; i < Options.FirstThreads; ++i) {
        AddReader();
    }
}

TAnalysisReadAhead::~TAnalysisReadAhead()
{
    {
        const std::lock_guard guard(Lock);
        Stop = true; // no thread is added from here on
    }
    RoomFree.notify_all();
    for (std::thread& reader : Readers) {
        reader.join();
    }
}

void TAnalysisReadAhead::AddReader()
{
    const std::size_t most = std::min({std::max<std::size_t>(Options.Threads, 1), Slots.size(),
                                       Paths.size() > 1 ? Paths.size() - 1 : 0});
    if (Stop || Readers.size() >= most) {
        return;
    }
    try {
        Readers.emplace_back([this] { Read(); });
    } catch (const std::system_error&) {
        // no thread to be had: the ones there are, and the caller, do the reading
    }
}

bool TAnalysisReadAhead::CanStart() const
{
    return Started < Paths.size() && Started < Released + Slots.size();
}

void TAnalysisReadAhead::AdvanceReady()
{
    // a slot beyond the room ahead still holds a file before it
    while (ReadyInRow < std::min(Paths.size(), Released + Slots.size()) &&
           SlotReady[ReadyInRow % Slots.size()]) {
        ++ReadyInRow;
    }
}

void TAnalysisReadAhead::Analyse(std::size_t index, std::unique_lock<std::mutex>& guard,
                                 const TYieldFn& yield)
{
    // the slot is free and nobody else touches it until it is marked ready
    TFileAnalysis& analysis = Slots[index % Slots.size()];
    guard.unlock();
    const TClock::time_point start = TClock::now();
    if (Options.ReadId3v2) {
        analysis.Audio.SetFileName(Paths[index], yield, analysis.Id3v2);
    } else {
        analysis.Audio.SetFileName(Paths[index], yield);
    }
    const bool slow = TClock::now() - start >= SlowRead;
    guard.lock();

    SlotReady[index % Slots.size()] = true;
    AdvanceReady();
    if (CallerWaiting && ReadyInRow >= WaitedFor) {
        CallerWaiting = false;
        ResultReady.notify_one();
    }
    SlowInRow = slow ? SlowInRow + 1 : 0;
    if (SlowInRow >= SlowReadsForThread) {
        SlowInRow = 0;
        // the threads double: a device that keeps files waiting keeps the next ones waiting too
        for (std::size_t i = std::max<std::size_t>(Readers.size(), 1); i > 0; --i) {
            AddReader();
        }
    }
}

const TFileAnalysis* TAnalysisReadAhead::Next(const TYieldFn& yield)
{
    std::unique_lock guard(Lock);
    Released = Taken; // the file handed over last
    AdvanceReady();
    // the threads wait only when every slot is taken up: they are woken once half are free
    if (ThreadsWaiting > 0 && Released + Slots.size() - Started >= (Slots.size() + 1) / 2) {
        ThreadsWaiting = 0;
        RoomFree.notify_all();
    }
    if (Taken >= Paths.size()) {
        return nullptr;
    }
    while (ReadyInRow <= Taken) {
        // the file itself first when no thread has it; later ones rather than sit idle
        if (Started == Taken || (!yield && CanStart())) {
            Analyse(Started++, guard, yield);
            continue;
        }
        // Without a window to serve, the caller sleeps until a run of files is ready rather than
        // being woken for each one.
        WaitedFor = std::min(Paths.size(),
                             Taken + (yield ? 1 : std::max<std::size_t>(Slots.size() / 4, 1)));
        CallerWaiting = true;
        if (!yield) {
            ResultReady.wait(guard);
        } else if (ResultReady.wait_for(guard, std::chrono::milliseconds(10)) ==
                   std::cv_status::timeout) {
            guard.unlock();
            yield();
            guard.lock();
        }
        CallerWaiting = false;
    }
    const std::size_t slot = Taken % Slots.size();
    SlotReady[slot] = false;
    ++Taken;
    // the threads leave the slot alone until the next call releases it
    return &Slots[slot];
}

const TFileAnalysis* TAnalysisReadAhead::Take(const std::string& path, const TYieldFn& yield)
{
    {
        // only this thread moves Taken on
        const std::lock_guard guard(Lock);
        if (Taken >= Paths.size() || Paths[Taken] != path) {
            return nullptr;
        }
    }
    return Next(yield);
}

void TAnalysisReadAhead::Read()
{
    std::unique_lock guard(Lock);
    for (;;) {
        while (!Stop && Started < Paths.size() && !CanStart()) {
            ++ThreadsWaiting;
            RoomFree.wait(guard);
        }
        if (Stop || Started >= Paths.size()) {
            return;
        }
        Analyse(Started++, guard, {});
    }
}
