#include "engine/analysis_read_ahead.h"

#include "engine/path_parts.h"

#include <algorithm>
#include <chrono>
#include <utility>

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
    const std::size_t threads = std::min(std::max<std::size_t>(Options.Threads, 1), ahead);
    for (std::size_t i = 0; i < std::min(threads, Paths.size()); ++i) {
        Readers.emplace_back([this] { Read(); });
    }
}

TAnalysisReadAhead::~TAnalysisReadAhead()
{
    {
        const std::lock_guard guard(Lock);
        Stop = true;
    }
    RoomFree.notify_all();
    for (std::thread& reader : Readers) {
        reader.join();
    }
}

void TAnalysisReadAhead::AdvanceReady()
{
    // a slot beyond the room ahead still holds a file before it
    while (ReadyInRow < std::min(Paths.size(), Released + Slots.size()) &&
           SlotReady[ReadyInRow % Slots.size()]) {
        ++ReadyInRow;
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
    if (ReadyInRow <= Taken) {
        // Without a window to serve, the caller sleeps until a run of files is ready rather than
        // being woken for each one.
        WaitedFor = std::min(Paths.size(),
                             Taken + (yield ? 1 : std::max<std::size_t>(Slots.size() / 4, 1)));
        while (ReadyInRow < WaitedFor) {
            CallerWaiting = true;
            if (!yield) {
                ResultReady.wait(guard);
                continue;
            }
            if (ResultReady.wait_for(guard, std::chrono::milliseconds(10)) ==
                std::cv_status::timeout) {
                guard.unlock();
                yield();
                guard.lock();
            }
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
    TFileAnalysis analysis;
    analysis.Audio.CodePage = Options.CodePage;
    analysis.Audio.BaseFolder = BaseFolder;
    std::unique_lock guard(Lock);
    for (;;) {
        while (!Stop && Started < Paths.size() && Started >= Released + Slots.size()) {
            ++ThreadsWaiting;
            RoomFree.wait(guard);
        }
        if (Stop || Started >= Paths.size()) {
            return;
        }
        const std::size_t index = Started++;
        guard.unlock();

        if (Options.ReadId3v2) {
            analysis.Audio.SetFileName(Paths[index], {}, analysis.Id3v2);
        } else {
            analysis.Audio.SetFileName(Paths[index]);
        }

        guard.lock();
        const std::size_t slot = index % Slots.size();
        std::swap(Slots[slot], analysis);
        SlotReady[slot] = true;
        AdvanceReady();
        if (CallerWaiting && ReadyInRow >= WaitedFor) {
            CallerWaiting = false;
            ResultReady.notify_one();
        }
    }
}
