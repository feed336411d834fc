#include "extract/extraction_batch.h"
#include "settings/stored_settings.h"
#include "ui/components/lossy_question.h"
#include "ui/components/prompts.h"
#include "ui/components/throttled_yield.h"
#include "ui/extract/extraction_window.h"
#include "workspace/workspace.h"

// --- the batch

void TExtractionWindow::OkClicked()
{
    emit ErrorLogEmptied();
    const bool wholePath = Work.WholePathMode;
    if (wholePath && !Prompts.Confirm(this, tr("Attention !"),
                                      tr("... Write ID3 TAG to ALL Files in Path ? ..."))) {
        return;
    }
    if (Start.CurrentRow < 0 || Work.Files.Empty()) {
        hide();
        return;
    }
    const auto rows = ProcessedRows(Work.Files.Size(), Start.SelectedRows, wholePath);
    if (!wholePath && rows.size() > 1 &&
        !Prompts.Confirm(this, tr("Attention !"),
                         tr("... Write ID3 TAG to All SELECTED Files ? ..."))) {
        return;
    }
    TFileFailures failures;
    // the window's own commands wait while its batch runs
    setEnabled(false);
    const bool ran = Work.Activity.Run(TActivityKind::Batch, [&] {
        failures = ProcessFiles(std::vector<int>(rows.begin(), rows.end()), wholePath);
    });
    setEnabled(true);
    if (!ran) {
        Prompts.Inform(this, windowTitle(),
                       tr("Another job is running; try again when it is done."));
        return;
    }
    StoreFormulaList();
    if (wholePath) {
        emit WholePathDone();
    }
    hide();
    emit FilesFailed(failures);
}

TFileFailures TExtractionWindow::ProcessFiles(const std::vector<int>& rows, bool wholePath)
{
    TExtractionJob job;
    job.Formula = CurrentFormula();
    job.Options = RunOptions();
    job.PathIncluded = PathIncluded;
    job.Id3v2 = Work.Options.WriteId3v2; // "Also write the ID3v2 tag"
    std::vector<std::string> paths;
    for (const int row : rows) {
        paths.push_back(Work.Files[row].FullName());
    }
    // asked once, before any file: a file whose values the code page cannot hold keeps its tag
    // (and is listed) unless the user lets them be written with "?"
    job.Lossy = AskWriteLossy(Prompts, this, FilesLosingCharacters(paths, job));
    // the window is redrawn as often as the eye can follow, not once per file
    TThrottledYield yield;
    TBatchControl control;
    control.Yield = [&yield] { yield(); };
    control.Cancelled = [this] { return Work.Activity.StopRequested(); };
    // in whole-path mode the bar stands at the file's index, with the selection after it
    control.CountFromOne = !wholePath;
    control.Progress = [&](int position, int range, const std::string& text) {
        emit ProgressReported(position, range, QString::fromStdString(text));
        if (wholePath) {
            emit CurrentRowRequested(rows[position]); // the main list follows the file at hand
        }
    };
    emit ProgressShown(true);
    const TBatchResult result = RunJournaledExtraction(
        Work.JournalFolder, paths, job, control,
        [this](std::size_t, const TFileExtraction& file, const TFileOutcome&) {
            // the boxes show the file when the window is next drawn, not once per file
            ShownFile = file.FullPath;
            FullPath = ExtractionText(file.FullPath, true);
        });
    emit ProgressShown(false);
    ShowExtractionText();
    Run();
    return result.Failures;
}
