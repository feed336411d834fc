#include "batch/batch_run.h"

#include "journal/journal_session.h"

TBatchResult RunBatch(const std::vector<std::string>& paths, const TFileStep& step,
                      const TBatchControl& control)
{
    TBatchResult result;
    const int range = static_cast<int>(paths.size());
    if (control.Journal != nullptr && !control.Journal->Begin(paths)) {
        result.Failures.push_back(control.Journal->Failure());
        return result;
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
        TFileOutcome outcome = step(paths[i], control.Yield);
        switch (outcome.Status) {
        case TFileStatus::Done:
            ++result.Done;
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
    return result;
}
