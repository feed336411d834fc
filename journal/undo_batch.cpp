#include "journal/undo_batch.h"

#include "batch/rename_file.h"
#include "engine/tag_file.h"
#include "engine/tag_record.h"
#include "journal/file_states.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string CannotUndo = "cannot undo";

std::vector<const TJournalEntry*> UndoOrder(const TJournalBatch& batch)
{
    std::vector<const TJournalEntry*> entries;
    for (auto it = batch.Entries.rbegin(); it != batch.Entries.rend(); ++it) {
        if (it->Done) {
            entries.push_back(&*it);
        }
    }
    return entries;
}

const std::string& PathNow(const TJournalEntry& entry)
{
    return entry.NewPath.empty() ? entry.Path : entry.NewPath;
}

// Puts the trailer and the time back: through the open file when there is one, else by name.
int PutBack(const TJournalEntry& entry, const std::string& path, TOpenTagFile* file,
            const TFileState& state, std::optional<TFileState>& after)
{
    const TFileChanges changes = TFileChanges::System();
    if (state.Trailer != entry.Before.Trailer) {
        const std::optional<TTagTrailer>& old = entry.Before.Trailer;
        const int code = file != nullptr
                             ? (old ? file->Write(*old, changes) : file->Remove(changes))
                         : old ? WriteTagTrailer(path, *old, after)
                               : RemoveTagTrailer(path, after);
        if (code != 0) {
            return code;
        }
    }
    if (state.ModifiedNs != entry.Before.ModifiedNs) {
        // the time it had goes back with the bytes (also after a write that left the same
        // bytes), so that the batch before this one finds the file as it left it
        const std::int64_t ns = entry.Before.ModifiedNs;
        const timespec times[2] = {
            {0, UTIME_OMIT},
            {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)}};
        if (file != nullptr) {
            file->SetModified(ns); // when refused, the state below says what the time is
        } else if (utimensat(AT_FDCWD, path.c_str(), times, 0) == 0 && after) {
            after->ModifiedNs = ns;
        } else {
            after.reset();
        }
    }
    if (file == nullptr) {
        return 0;
    }
    after = file->State();
    const int code = file->Close();
    if (code != 0) {
        after.reset();
    }
    return code;
}

TFileOutcome UndoEntry(const TJournalEntry& entry, bool dryRun)
{
    const std::string& now = PathNow(entry);
    // One open serves the check and the put-back. A file that cannot be opened for a change is
    // only looked at by name: the checks and the refusals below then tell what is wrong with it.
    TOpenTagFile file;
    std::optional<TFileState> opened;
    if (!dryRun && file.Open(now, false) == 0) {
        opened = file.State();
    }
    const TFileState state = opened ? *opened : ReadFileState(now);
    if (state.Size < 0) {
        return TFileOutcome::Refusal(FailureFromCode(now, -1, CannotUndo));
    }
    if (state != entry.After) {
        return TFileOutcome::Refusal(FailureFromReason(
            now, TFailureReason::ChangedSince, CannotUndo + ": the file changed after the batch"));
    }
    const bool moved = !entry.NewPath.empty();
    struct stat info = {};
    if (moved && lstat(entry.Path.c_str(), &info) == 0) {
        return TFileOutcome::Refusal(FailureFromReason(
            now, TFailureReason::TargetExists, CannotUndo + ": its old name is taken again"));
    }
    if (dryRun) {
        return {};
    }
    // what the file is left as, carried to the journal's mark so that it need not look again
    std::optional<TFileState> after = state;
    if (const int code = PutBack(entry, now, opened ? &file : nullptr, state, after); code != 0) {
        return TFileOutcome::Refusal(FailureFromCode(now, code, CannotUndo));
    }
    if (!moved) {
        TFileOutcome done;
        done.After = after;
        return done;
    }
    TFileOutcome back = RenameOneFile(now, entry.Path);
    if (back.Status == TFileStatus::Refused) {
        back.Failure.Text = CannotUndo + ": " + back.Failure.Text;
        return back;
    }
    back.After = after;
    // deepest first; a folder that holds anything else stays, and so do those above it
    for (auto it = entry.NewFolders.rbegin(); it != entry.NewFolders.rend(); ++it) {
        if (rmdir(it->c_str()) != 0) {
            break;
        }
    }
    return back;
}

} // namespace

TUndoChoice ChooseUndoBatch(const std::string& folder, int number)
{
    TUndoChoice choice;
    for (const std::string& file : JournalFiles(folder)) {
        if (number != 0 && JournalNumber(file) != number) {
            continue;
        }
        TJournalBatch batch = ReadJournalBatch(file);
        if (!batch.Damage.empty()) {
            choice.Damaged.push_back(FailureFromReason(file, TFailureReason::Other,
                                                       "damaged undo journal: " + batch.Damage));
        } else if (number != 0 || batch.DoneCount() > 0) {
            choice.Batch = std::move(batch);
            break;
        }
    }
    return choice;
}

std::vector<std::string> UndoPaths(const TJournalBatch& batch)
{
    std::vector<std::string> paths;
    for (const TJournalEntry* entry : UndoOrder(batch)) {
        paths.push_back(PathNow(*entry));
    }
    return paths;
}

TBatchResult UndoBatch(const TJournalBatch& batch, const TBatchControl& control, bool dryRun)
{
    const std::vector<const TJournalEntry*> entries = UndoOrder(batch);
    std::size_t next = 0;
    const TFileStep step = [&](const std::string&, const TYieldFn&) {
        return UndoEntry(*entries[next++], dryRun);
    };
    TBatchControl undoControl = control;
    if (dryRun) {
        undoControl.Journal = nullptr;
    }
    return RunBatch(UndoPaths(batch), step, undoControl);
}
