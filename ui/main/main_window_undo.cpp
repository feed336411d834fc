#include "journal/journal_session.h"
#include "journal/undo_batch.h"
#include "journal/undo_history.h"
#include "ui/components/prompts.h"
#include "ui/main/file_list_menu.h"
#include "ui/main/main_window.h"

// The file list menu's undo and the undo history's: the newest journaled batch, or the one chosen
// in the history, is taken back file by file, with the refused files in the error window and the
// folder listed anew.

namespace {

// "write, 12 files"
QString Summary(const TJournalBatch& batch)
{
    return QString::fromStdString(BatchSummary(batch.Kind, batch.ChangedCount()));
}

} // namespace

void TMainWindow::UpdateUndoEntry()
{
    const TUndoChoice choice = ChooseUndoBatch(Work.JournalFolder);
    const TActivityKind busy = Work.Activity.State();
    const bool idle = busy != TActivityKind::Scanning && busy != TActivityKind::Batch;
    ListMenu->ShowUndoEntry(choice.Batch ? Summary(*choice.Batch) : QString(), idle);
}

void TMainWindow::UndoBatchChosen(int number)
{
    const bool ran = Work.Activity.Run(TActivityKind::Batch, [this, number] {
        const TUndoChoice choice = ChooseUndoBatch(Work.JournalFolder, number);
        if (!choice.Batch || choice.Batch->ChangedCount() == 0) {
            if (!choice.Damaged.empty()) {
                emit FilesFailed(choice.Damaged);
            }
            return;
        }
        const QString batch = number == 0 ? tr("the last batch") : tr("batch %1").arg(number);
        const QString question =
            tr("... Undo %1 (%2) ? ...\n\nEvery file it changed gets its old tag and "
               "name back; a file changed since then is left as it is.")
                .arg(batch, Summary(*choice.Batch));
        if (!Prompts.Confirm(this, tr("Attention !"), question)) {
            return;
        }
        // the undo is a batch of its own, so it can be undone in turn
        const TBatchResult result = RunJournaled(
            Work.JournalFolder, JournalUndo, ProgressControl(true, true),
            [&](const TBatchControl& journaled) {
                return UndoBatch(*choice.Batch, journaled, false, choice.Undos);
            },
            choice.Batch->Number);
        emit ProgressShown(false);
        if (!Work.CurrentFolder.empty()) {
            RescanFolder(); // the list shows the old names
        }
        TFileFailures failures = choice.Damaged;
        failures.insert(failures.end(), result.Failures.begin(), result.Failures.end());
        if (!failures.empty()) {
            emit FilesFailed(failures);
        }
    });
    if (!ran) {
        // the history window can ask while a scan or a batch runs; the menu entry cannot
        Prompts.Inform(this, tr("Undo history"),
                       tr("Another job is running; try again when it is done."));
    }
}
