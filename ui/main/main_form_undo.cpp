#include "journal/journal_session.h"
#include "journal/undo_batch.h"
#include "ui/components/prompts.h"
#include "ui/main/main_form.h"
#include "ui/main/throttled_yield.h"

#include <QAction>

#include <ctime>

// The file list menu's undo: the newest journaled batch is taken back, file by file, with the
// refused files in the error window and the folder listed anew.

namespace {

// "write, 12 files"
QString BatchSummary(const TJournalBatch& batch)
{
    const std::size_t files = batch.ChangedCount();
    return QStringLiteral("%1, %2 %3")
        .arg(QString::fromStdString(batch.Kind))
        .arg(files)
        .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"));
}

} // namespace

void T_MainForm::UpdateUndoEntry()
{
    const TUndoChoice choice = ChooseUndoBatch(Work.JournalFolder);
    const TActivityKind busy = Work.Activity.State();
    UndoLastBatch1->setText(
        choice.Batch ? QStringLiteral("&Undo last batch (%1)").arg(BatchSummary(*choice.Batch))
                     : QStringLiteral("&Undo last batch"));
    UndoLastBatch1->setEnabled(choice.Batch && busy != TActivityKind::Scanning &&
                               busy != TActivityKind::Batch);
}

void T_MainForm::UndoLastBatch1Click()
{
    Work.Activity.Run(TActivityKind::Batch, [this] {
        const TUndoChoice choice = ChooseUndoBatch(Work.JournalFolder);
        if (!choice.Batch) {
            if (!choice.Damaged.empty()) {
                emit FilesFailed(choice.Damaged);
            }
            return;
        }
        const QString question =
            QStringLiteral("... Undo the last batch (%1) ? ...\n\nEvery file it changed gets its "
                           "old tag and name back; a file changed since then is left as it is.")
                .arg(BatchSummary(*choice.Batch));
        if (!Prompts.Confirm(this, QStringLiteral("Attention !"), question)) {
            return;
        }
        TBatchControl control;
        control.Yield = [this] { (*Yield)(); };
        control.Cancelled = [this] { return Work.Activity.StopRequested(); };
        control.CountFromOne = true;
        control.Progress = [this](int position, int range, const std::string& text) {
            emit ProgressReported(position, range, QString::fromStdString(text));
        };
        // the undo is a batch of its own, so it can be undone in turn
        TJournalSession journal(Work.JournalFolder, JournalUndo, std::time(nullptr),
                                choice.Batch->Number);
        control.Journal = &journal;
        emit ProgressShown(true);
        const TBatchResult result = UndoBatch(*choice.Batch, control, false, choice.Undos);
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
}
