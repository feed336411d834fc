#include "journal/undo_batch.h"

#include "batch/rename_file.h"
#include "engine/block_reader.h"
#include "engine/change_intent.h"
#include "engine/file_handle.h"
#include "engine/head_delta.h"
#include "engine/id3v2_file.h"
#include "engine/tag_file.h"
#include "journal/file_states.h"
#include "journal/journal_session.h"

#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string CannotUndo = "cannot undo";
constexpr auto TrailerBytes = static_cast<std::int64_t>(TagTrailerSize);

std::vector<const TJournalEntry*> UndoOrder(const TJournalBatch& batch)
{
    std::vector<const TJournalEntry*> entries;
    for (auto it = batch.Entries.rbegin(); it != batch.Entries.rend(); ++it) {
        if (it->MayBeChanged()) {
            entries.push_back(&*it);
        }
    }
    return entries;
}

// Where the batch moved the file (or was about to), and the folders it made for it.
const std::string& MovedTo(const TJournalEntry& entry)
{
    return entry.Done ? entry.NewPath : entry.IntentPath;
}

const std::vector<std::string>& FoldersMade(const TJournalEntry& entry)
{
    return entry.Done ? entry.NewFolders : entry.IntentFolders;
}

const std::string& PathNow(const TJournalEntry& entry)
{
    return MovedTo(entry).empty() ? entry.Path : MovedTo(entry);
}

bool SameBytes(const TFileState& a, const TFileState& b)
{
    return a.Size == b.Size && a.Trailer == b.Trailer;
}

// The file is as the batch's intent said it would leave it (its time is not known ahead).
// `headMoves`: what a change of the head adds to the length; a step that writes the head and
// then the trailer may stop between the two.
bool AsIntended(const TFileState& state, const TJournalEntry& entry, std::int64_t headMoves = 0)
{
    if (entry.HeadChanged) {
        const std::int64_t before = entry.StateBefore().Size;
        for (const std::int64_t size :
             {entry.IntentSize, entry.IntentSize - headMoves, before, before + headMoves}) {
            if (state.Size == size) {
                return true;
            }
        }
        return false;
    }
    if (entry.IntentSize < 0) {
        return SameBytes(state, entry.StateBefore()); // a move leaves the bytes
    }
    return state.Size == entry.IntentSize &&
           (!entry.IntentTrailer || state.Trailer == entry.IntentTrailer);
}

// How the bytes go back from `now` to `before`: a batch changes only the last 128 bytes, appends
// a trailer or cuts one off.
enum class TRestore
{
    None,
    Overwrite, // same size: the old trailer over the present one
    Append,    // the batch cut the old trailer off
    Cut,       // the batch appended a trailer
    Impossible,
};

TRestore RestoreOf(const TFileState& now, const TFileState& before)
{
    if (SameBytes(now, before)) {
        return TRestore::None;
    }
    if (now.Size == before.Size) {
        return now.Trailer && before.Trailer ? TRestore::Overwrite : TRestore::Impossible;
    }
    if (now.Size + TrailerBytes == before.Size && before.Trailer) {
        return TRestore::Append;
    }
    return now.Size == before.Size + TrailerBytes && now.Trailer ? TRestore::Cut
                                                                 : TRestore::Impossible;
}

void RemoveFolders(const std::vector<std::string>& folders)
{
    // deepest first; a folder that holds anything else stays, and so do those above it; one that
    // is not there (a batch stopped before it made it) holds nothing
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        if (rmdir(it->c_str()) != 0 && errno != ENOENT) {
            break;
        }
    }
}

// Removes `newPath` when it is a second name of the file at `oldPath`: a move on a file system
// without a no-replace rename links the new name first and removes the old one after, and a
// batch stopped in between leaves the file under both.
void DropSecondName(const std::string& oldPath, const std::string& newPath)
{
    struct stat file = {};
    struct stat second = {};
    if (lstat(oldPath.c_str(), &file) == 0 && lstat(newPath.c_str(), &second) == 0 &&
        S_ISREG(file.st_mode) && file.st_dev == second.st_dev && file.st_ino == second.st_ino) {
        unlink(newPath.c_str());
    }
}

TFileOutcome Refused(const std::string& path, TFailureReason reason, const std::string& why)
{
    return TFileOutcome::Refusal(FailureFromReason(path, reason, CannotUndo + ": " + why));
}

TFileOutcome ChangedSince(const std::string& path)
{
    return Refused(path, TFailureReason::ChangedSince, "the file changed after the batch");
}

// Puts the bytes and the time of the open file back; 0 or the errno value, and in `after` what
// the file was left as (set once anything changed).
int PutBack(TOpenTagFile& file, TRestore restore, const TFileState& before,
            std::optional<TFileState>& after, std::string& why)
{
    const TFileChanges changes = TFileChanges::System();
    int code = 0;
    switch (restore) {
    case TRestore::Overwrite:
        code = file.Write(*before.Trailer, changes);
        break;
    case TRestore::Append:
        code = file.Append(*before.Trailer, changes);
        break;
    case TRestore::Cut:
        code = file.Remove(changes);
        break;
    default:
        break;
    }
    after = file.State();
    if (code != 0) {
        return code;
    }
    if (!after || !SameBytes(*after, before)) {
        why = "its bytes could not be put back as they were";
        return EIO;
    }
    if (after->ModifiedNs != before.ModifiedNs) {
        // the time goes back with the bytes (also after a write that left the same bytes), so
        // that the batch before this one finds the file as it left it
        if (code = file.SetModified(before.ModifiedNs); code != 0) {
            why = "its time could not be set back";
            return code;
        }
        after = file.State();
    }
    code = file.Close();
    if (code != 0) {
        why.clear();
    }
    return code;
}

// The old head the journal keeps for the entry: 0, or the errno value of a copy that cannot be
// read.
int OldHead(const TJournalEntry& entry, std::string& old)
{
    old = entry.HeadOld;
    if (entry.HeadCopy.empty()) {
        return 0;
    }
    TFileHandle copy(::open(entry.HeadCopy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    struct stat info = {};
    if (!copy.IsOpen() || fstat(copy.Get(), &info) != 0) {
        return errno;
    }
    old.resize(static_cast<std::size_t>(info.st_size));
    int error = 0;
    return ReadAt(copy.Get(), old.data(), old.size(), 0, error) == old.size() ? 0 : EIO;
}

// The head change that puts back the entry's old head (`old`, or put together from the file's
// head by the entry's delta), read from `fd`: nothing when the file has it already; `code` EIO
// when the file starts with neither the old head nor the batch's.
std::optional<THeadChange> HeadToPutBack(int fd, const TJournalEntry& entry, std::string old,
                                         int& code)
{
    std::string now;
    code = ReadId3v2Region(fd, now);
    if (code != 0) {
        return std::nullopt;
    }
    if (const auto& delta = entry.OldHeadDelta) {
        if (now.size() == delta->OldLength() && HeadSum(now) == delta->OldSum) {
            return std::nullopt;
        }
        std::optional<std::string> put = now.size() == static_cast<std::size_t>(entry.HeadNewLength)
                                             ? OldHeadFrom(now, *delta)
                                             : std::nullopt;
        if (!put) {
            code = EIO;
            return std::nullopt;
        }
        old = std::move(*put);
    }
    if (now == old) {
        return std::nullopt;
    }
    if (static_cast<std::int64_t>(now.size()) != entry.HeadNewLength) {
        code = EIO;
        return std::nullopt;
    }
    return THeadChange{std::move(now), std::move(old)};
}

// `earlier`: the same file in an undo of this batch made before, if any.
TFileOutcome UndoEntry(const TJournalEntry& entry, const TJournalEntry* earlier, bool dryRun)
{
    if (earlier != nullptr && earlier->Done) {
        // put back whole by an undo killed later on; a file named twice may since have gone
        // further back through its other entry
        return {TFileStatus::Unchanged, {}};
    }
    if (entry.HeadChanged && !entry.Done && !dryRun) {
        RemoveStoppedWrite(entry.Path); // the batch may have stopped while writing the file anew
    }
    const TFileState& before = entry.StateBefore();
    const std::string& movedTo = MovedTo(entry);
    const bool moved = !movedTo.empty();
    const std::string& now = PathNow(entry);
    struct stat info = {};
    if (moved && lstat(entry.Path.c_str(), &info) == 0) {
        // back under its old name already (an earlier undo, or a batch stopped before the move)
        if (ReadFileState(entry.Path) == before) {
            if (!dryRun) {
                DropSecondName(entry.Path, movedTo);
                RemoveFolders(FoldersMade(entry));
            }
            return {TFileStatus::Unchanged, {}};
        }
        return Refused(now, TFailureReason::TargetExists, "its old name is taken again");
    }
    // One open serves the check and the put-back. A file that cannot be opened for a change is
    // only looked at by name: the checks and the refusals below then tell what is wrong with it.
    TOpenTagFile file;
    std::optional<TFileState> opened;
    const int openCode = dryRun ? 0 : file.Open(now, false);
    if (!dryRun && openCode == 0) {
        opened = file.State();
    }
    const TFileState state = opened ? *opened : ReadFileState(now);
    if (state.Size < 0) {
        return TFileOutcome::Refusal(FailureFromCode(now, -1, CannotUndo));
    }
    if (!moved && state == before) {
        return {TFileStatus::Unchanged, {}}; // as it was: never changed, or put back already
    }
    std::optional<THeadChange> head;
    std::int64_t headMoves = 0;
    if (entry.HeadChanged) {
        std::string old;
        int code = OldHead(entry, old);
        if (code != 0) {
            return Refused(now, TFailureReason::Other,
                           "its old ID3v2 tag is missing from the journal");
        }
        const std::size_t oldLength =
            entry.OldHeadDelta ? entry.OldHeadDelta->OldLength() : old.size();
        headMoves = entry.HeadNewLength - static_cast<std::int64_t>(oldLength);
        TFileHandle look(dryRun ? ::open(now.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)
                                : -1);
        head = HeadToPutBack(dryRun ? look.Get() : file.Descriptor(), entry, std::move(old), code);
        if (code != 0) {
            return ChangedSince(now);
        }
    }
    // An undo killed half way may have put the bytes back but not yet the time or the name, or
    // the old head but not yet the old trailer. A batch killed inside its write may leave the old
    // bytes with a new time (the system sets the time before it copies the bytes): only the time
    // then goes back. So may an undo killed inside its write, which found the file as the batch
    // left it: the batch's bytes with a new time are then still the batch's.
    const bool headBackOnly = earlier != nullptr && entry.HeadChanged && !head &&
                              state.Size == entry.After.Size - headMoves &&
                              state.Trailer == entry.After.Trailer;
    const bool timeMovedByUndo = earlier != nullptr && earlier->StateBefore() == entry.After &&
                                 SameBytes(state, entry.After);
    const bool asLeft = entry.Done
                            ? state == entry.After || headBackOnly || timeMovedByUndo
                            : AsIntended(state, entry, headMoves) || SameBytes(state, before);
    if (!asLeft && !(earlier != nullptr && SameBytes(state, before))) {
        return ChangedSince(now);
    }
    // the trailer's restore as it will be once the head is back
    TFileState withOldHead = state;
    if (head) {
        withOldHead.Size -= headMoves;
    }
    const TRestore restore = RestoreOf(withOldHead, before);
    if (restore == TRestore::Impossible) {
        return ChangedSince(now);
    }
    if (dryRun) {
        return {};
    }
    TChangeIntent intent;
    intent.Before = state;
    intent.Size = before.Size;
    intent.Trailer = before.Trailer;
    intent.Head = head ? &*head : nullptr;
    intent.NewPath = moved ? entry.Path : std::string();
    if (const int code = AnnounceChange(intent); code != 0) {
        return TFileOutcome::Refusal(FailureFromCode(now, code, CannotUndo));
    }
    // what the file is left as, carried to the journal's mark so that it need not look again
    std::optional<TFileState> after = state;
    if (head || restore != TRestore::None || state.ModifiedNs != before.ModifiedNs) {
        std::string why;
        int code = !opened ? (openCode != 0 ? openCode : EIO) : 0;
        if (code == 0 && head && (code = ChangeHead(file, now, *head, why)) != 0) {
            why = why.empty() ? "its ID3v2 tag could not be put back" : why;
            after = file.State();
        }
        if (code == 0) {
            code = PutBack(file, restore, before, after, why);
        }
        if (code != 0) {
            TFileOutcome refused = TFileOutcome::Refusal(
                FailureFromCode(now, code, why.empty() ? CannotUndo : CannotUndo + ": " + why));
            if (opened) {
                // the journal marks what the file was left as, whatever changed before the stop
                refused.After = after ? after : ReadFileState(now);
            }
            return refused;
        }
    }
    if (!moved) {
        TFileOutcome done;
        done.After = after;
        return done;
    }
    file.Close();
    TFileOutcome back = RenameOneFile(now, entry.Path);
    if (back.Status == TFileStatus::Refused) {
        back.Failure.Text = CannotUndo + ": " + back.Failure.Text;
        back.After = after; // the bytes and the time may be back already
        return back;
    }
    back.After = after;
    RemoveFolders(FoldersMade(entry));
    return back;
}

} // namespace

TUndoChoice ChooseUndoBatch(const std::string& folder, int number)
{
    TUndoChoice choice;
    std::set<int> takenBack; // batches that a whole undo took back
    std::vector<TJournalBatch> undos;
    for (const std::string& file : JournalFiles(folder)) {
        const int at = JournalNumber(file);
        if (number != 0 && at < number) {
            break; // the files come newest first
        }
        TJournalBatch batch = ReadJournalBatch(file);
        if (!batch.Damage.empty()) {
            if (number == 0 || at == number) {
                choice.Damaged.push_back(FailureFromReason(
                    file, TFailureReason::Other, "damaged undo journal: " + batch.Damage));
            }
            continue;
        }
        if (number != 0 && at != number) {
            if (batch.Undoes == number) {
                undos.push_back(std::move(batch));
            }
            continue;
        }
        if (number == 0 && takenBack.contains(batch.Number)) {
            continue; // what it did was taken back
        }
        if (number == 0 && batch.Kind == JournalUndo) {
            if (batch.Undoes > 0 && batch.Finished) {
                takenBack.insert(batch.Undoes);
            }
            undos.push_back(std::move(batch));
            continue;
        }
        if (number != 0 || batch.ChangedCount() > 0) {
            choice.Batch = std::move(batch);
            break;
        }
    }
    if (choice.Batch) {
        for (TJournalBatch& undo : undos) {
            if (undo.Undoes == choice.Batch->Number) {
                choice.Undos.push_back(std::move(undo));
            }
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

TBatchResult UndoBatch(const TJournalBatch& batch, const TBatchControl& control, bool dryRun,
                       const std::vector<TJournalBatch>& undos)
{
    const std::vector<const TJournalEntry*> entries = UndoOrder(batch);
    const std::vector<std::string> paths = UndoPaths(batch);
    // an undo of this batch lists the same files in the same order
    const auto earlier = [&](std::size_t index) -> const TJournalEntry* {
        for (const TJournalBatch& undo : undos) {
            if (undo.Entries.size() == entries.size() && undo.Entries[index].Path == paths[index] &&
                undo.Entries[index].MayBeChanged()) {
                return &undo.Entries[index];
            }
        }
        return nullptr;
    };
    std::size_t next = 0;
    const TFileStep step = [&](const std::string&, const TYieldFn&) {
        const std::size_t index = next++;
        return UndoEntry(*entries[index], earlier(index), dryRun);
    };
    TBatchControl undoControl = control;
    if (dryRun) {
        undoControl.Journal = nullptr;
    }
    return RunBatch(paths, step, undoControl);
}
