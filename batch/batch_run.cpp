#include "batch/batch_run.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <utility>

namespace {

// Files read ahead at most while the journal records the batch; each keeps what its change needs.
constexpr std::size_t MostReadAhead = 8192;

// Has the journal record the batch on a thread of its own (which takes helpers as it does
// alone) while this one reads the first files; their changes, in order. `begun` says whether the
// record was made.
std::vector<TFileChange> ReadWhileRecording(const std::vector<std::string>& paths,
                                            const TFileRead& read, const TBatchControl& control,
                                            bool& begun)
{
    std::vector<TFileChange> ahead;
    TBatchJournal& journal = *control.Journal;
    if (std::thread::hardware_concurrency() < 2) {
        begun = journal.Begin(paths); // reading ahead would only take turns with the record
        return ahead;
    }
    std::atomic<bool> recorded = false;
    std::thread recorder;
    try {
        recorder = std::thread([&] {
            begun = journal.Begin(paths);
            recorded = true;
        });
    } catch (const std::system_error&) {
        begun = journal.Begin(paths);
        return ahead;
    }
    struct TJoin
    {
        std::thread& Thread;
        ~TJoin() { Thread.join(); } // also when a read throws
    } join{recorder};
    const std::size_t most = std::min(paths.size(), MostReadAhead);
    while (!recorded && ahead.size() < most) {
        if (control.Yield) {
            control.Yield();
        }
        if (control.Cancelled && control.Cancelled()) {
            break; // the loop of the batch stops before its first file
        }
        ahead.push_back(read(paths[ahead.size()], control.Yield));
    }
    return ahead;
}

TBatchResult Run(const std::vector<std::string>& paths, const TFileStep* step,
                 const TFileRead* read, const TBatchControl& control)
{
    TBatchResult result;
    const int range = static_cast<int>(paths.size());
    std::vector<TFileChange> ahead;
    if (control.Journal != nullptr) {
        bool begun = false;
        if (read != nullptr) {
            ahead = ReadWhileRecording(paths, *read, control, begun);
        } else {
            begun = control.Journal->Begin(paths);
        }
        if (!begun) {
            result.Failures.push_back(control.Journal->Failure());
            return result;
        }
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (control.Yield) {
            control.Yield();
        }
        if (control.Cancelled && control.Cancelled()) {
            result.Cancelled = true;
            break;
        }
        if (control.Progress) {
            const int position = static_cast<int>(i) + (control.CountFromOne ? 1 : 0);
            control.Progress(position, range, ProgressText(position, range));
        }
        const auto change = [&]() -> TFileOutcome {
            if (step != nullptr) {
                return (*step)(paths[i], control.Yield);
            }
            if (i < ahead.size()) {
                const TFileChange made = std::exchange(ahead[i], nullptr); // frees what it kept
                return made();
            }
            return (*read)(paths[i], control.Yield)();
        };
        // the changes the step announces are the journal's intents for this file
        const TFileOutcome outcome =
            control.Journal != nullptr ? control.Journal->Change(i, change) : change();
        switch (outcome.Status) {
        case TFileStatus::Done:
            ++result.Done;
            if (outcome.Listed()) {
                result.Failures.push_back(outcome.Failure);
            }
            break;
        case TFileStatus::Unchanged:
            ++result.Unchanged;
            break;
        case TFileStatus::Refused:
            result.Failures.push_back(outcome.Failure);
            break;
        }
        // marked before it is reported: a program killed from then on can still undo the file
        const bool marked = control.Journal == nullptr || control.Journal->FileDone(i, outcome);
        if (control.Report) {
            control.Report(i, outcome);
        }
        if (!marked) {
            // the files after this one could not be undone: they stay as they are
            result.Failures.push_back(control.Journal->Failure());
            result.Cancelled = true;
            break;
        }
    }
    if (control.Journal != nullptr && !result.Cancelled) {
        control.Journal->End(); // a journal that fails here has already stopped no file
    }
    return result;
}

} // namespace

TBatchResult RunBatch(const std::vector<std::string>& paths, const TFileStep& step,
                      const TBatchControl& control)
{
    return Run(paths, &step, nullptr, control);
}

TBatchResult RunBatch(const std::vector<std::string>& paths, const TFileRead& read,
                      const TBatchControl& control)
{
    return Run(paths, nullptr, &read, control);
}
