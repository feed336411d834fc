#pragma once

#include "batch/batch_run.h"
#include "journal/journal_file.h"

#include <optional>
#include <string>
#include <vector>

// The batch an undo takes back, and the damaged batch files met on the way.
struct TUndoChoice
{
    std::optional<TJournalBatch> Batch;
    TFileFailures Damaged; // one per damaged file, named by its path in the journal folder
    // The undos of Batch made before (newest first), killed ones too: what they put back need
    // not be put back again.
    std::vector<TJournalBatch> Undos;
};

// Batch `number` of the journal, or with 0 the newest whole batch that changed a file, is not an
// undo itself and was not taken back by an undo that ran to its end (so that repeated undos step
// back through the history; an undo taken back in turn no longer counts). Damaged ones are
// skipped and listed. Nothing when there is no such batch.
TUndoChoice ChooseUndoBatch(const std::string& folder, int number = 0);

// The files an undo of the batch goes through, in its order (the last changed first), each under
// the name the batch left it with. Index i of an undo's reports is file i of this list.
std::vector<std::string> UndoPaths(const TJournalBatch& batch);

// Puts back what the batch changed, file by file in reverse order: the old trailer is written
// back over the batch's, appended where the batch cut one off, or the batch's trailer cut off; the
// time is set back; a moved file goes back to its old name and the folders made for it are
// removed when empty. A file the batch announced but did not mark (it stopped in between) is put
// back when it is as the batch was about to leave it, and needs nothing when it is as it was. A
// file already as it was before the batch (put back by an earlier undo in `undos`, which may have
// been killed half way) is Unchanged. A file that changed since the batch (size, modification
// time or trailer not as the batch left it), that is gone, or whose old name is taken again is
// left as it is and refused, and so is a file whose time cannot be set back (its bytes are put
// back). A dry run decides every file but touches none. With a journal in `control` the undo is
// journaled like any batch, so it can be undone in turn.
TBatchResult UndoBatch(const TJournalBatch& batch, const TBatchControl& control = {},
                       bool dryRun = false, const std::vector<TJournalBatch>& undos = {});
