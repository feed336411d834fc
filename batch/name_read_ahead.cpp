#include "batch/name_read_ahead.h"

#include "batch/locked_change.h"
#include "engine/format_items.h"
#include "engine/mpeg_audio.h"

#include <utility>

TNameReadAhead::TNameReadAhead(std::vector<std::string> paths, std::string macro,
                               TRegionalSettings regional, TTagCodePage codePage)
    : Paths(std::move(paths)), Macro(std::move(macro)), Regional(std::move(regional)),
      CodePage(codePage), Reader([this] { Read(); })
{
}

TNameReadAhead::~TNameReadAhead()
{
    {
        const std::lock_guard guard(Lock);
        Stop = true;
    }
    Changed.notify_all();
    Reader.join();
}

std::optional<TNameReadAhead::TName> TNameReadAhead::Take(const std::string& path)
{
    std::unique_lock guard(Lock);
    if (Next >= Paths.size() || Paths[Next] != path) {
        return std::nullopt;
    }
    Changed.wait(guard, [this] { return !Ready.empty(); });
    TName name = std::move(Ready.front());
    Ready.pop_front();
    ++Next;
    // the reader waits only when the queue is full: wake it once half of it is taken, not per file
    const bool wake = Ready.size() == Ahead / 2;
    guard.unlock();
    if (wake) {
        Changed.notify_all();
    }
    return name;
}

void TNameReadAhead::Read()
{
    TMPEGAudio audio(CodePage); // one for the batch: it keeps the volume label between files
    for (const std::string& path : Paths) {
        {
            std::unique_lock guard(Lock);
            Changed.wait(guard, [this] { return Stop || Ready.size() < Ahead; });
            if (Stop) {
                return;
            }
        }
        audio.SetFileName(path);
        TName name{FormatItems(audio, Macro, Regional, TExpansion::FileName),
                   SeenByRead(audio.FileState)};
        bool wasEmpty = false;
        {
            const std::lock_guard guard(Lock);
            wasEmpty = Ready.empty();
            Ready.push_back(std::move(name));
        }
        if (wasEmpty) { // only then can the renames be waiting for it
            Changed.notify_all();
        }
    }
}
