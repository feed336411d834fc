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
};

// Batch `number` of the journal, or with 0 the newest whole batch that changed a file (damaged
// ones are skipped and listed). Nothing when there is no such batch.
TUndoChoice ChooseUndoBatch(const std::string& folder, int number = 0);

// The files an undo of the batch goes through, in its order (the last changed first), each under
// the name the batch left it with. Index i of an undo's reports is file i of this list.
std::vector<std::string> UndoPaths(const TJournalBatch& batch);

// Puts back what the batch changed, file by file in reverse order: the old trailer is written
// back or the batch's trailer removed, a moved file goes back to its old name and the folders made
// for it are removed when empty. A file that changed since the batch (size, modification time or
// trailer not as the batch left it), that is gone, or whose old name is taken again is left as it
// is and refused. A dry run decides every file but touches none. With a journal in `control` the
// undo is journaled like any batch, so it can be undone in turn.
TBatchResult UndoBatch(const TJournalBatch& batch, const TBatchControl& control = {},
                       bool dryRun = false);
