#include "batch/batch_run.h"

TBatchResult RunBatch(const std::vector<std::string>& paths, const TFileStep& step,
                      const TBatchControl& control)
{
    TBatchResult result;
    const int range = static_cast<int>(paths.size());
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
        if (control.Report) {
            control.Report(i, outcome);
        }
    }
    return result;
}
