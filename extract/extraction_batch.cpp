#include "extract/extraction_batch.h"

#include "engine/path_parts.h"
#include "extract/write_extracted_tag.h"
#include "journal/journal_session.h"

#include <utility>

TFileExtraction ExtractFile(const std::string& path, const TExtractionJob& job,
                            const TYieldFn& yield)
{
    TFileExtraction file;
    MakeFullPath(path, file.FullPath); // a refused path reads as a missing file further on
    file.Text = ExtractionText(file.FullPath, job.PathIncluded);
    file.Run = RunFormula(file.Text, job.Formula, job.Options, file.FullPath, yield);
    file.Incomplete = NotProcessedCorrectly(job.Formula, file.Run);
    return file;
}

std::vector<std::string> FilesLosingCharacters(const std::vector<std::string>& paths,
                                               const TExtractionJob& job)
{
    std::vector<std::string> losing;
    for (const std::string& path : paths) {
        const TFormulaRun run =
            ExtractValues(ExtractionText(path, job.PathIncluded), job.Formula, job.Options);
        if (ValuesLoseCharacters(job.Formula, run.Values, job.Options.CodePage)) {
            losing.push_back(path);
        }
    }
    return losing;
}

TBatchResult RunExtraction(const std::vector<std::string>& paths, const TExtractionJob& job,
                           const TBatchControl& control, const TExtractionReport& report)
{
    TFileExtraction file;
    TBatchControl extraction = control;
    if (control.Progress) {
        extraction.Progress = [&](int position, int range, const std::string&) {
            const int shown = position + (control.CountFromOne ? 0 : 1);
            control.Progress(position, range, ProgressText(shown, range));
        };
    }
    extraction.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        if (report) {
            report(index, file, outcome);
        }
    };
    const TFileStep step = [&](const std::string& path, const TYieldFn& yield) -> TFileOutcome {
        file = ExtractFile(path, job, yield);
        if (!job.Write) {
            return {TFileStatus::Unchanged};
        }
        if (auto failure = WriteExtractedTag(file.FullPath, job.Formula, file.Run.Values,
                                             job.Options.PreserveOtherTag, yield,
                                             job.Options.CodePage, job.Lossy, job.Id3v2)) {
            failure->Path = file.Text;
            return TFileOutcome::Refusal(*failure);
        }
        if (file.Incomplete) {
            return {TFileStatus::Done,
                    FailureFromReason(file.Text, TFailureReason::Incomplete, "")};
        }
        return {};
    };
    return RunBatch(paths, step, extraction);
}

TBatchResult RunJournaledExtraction(const std::string& journalFolder,
                                    const std::vector<std::string>& paths,
                                    const TExtractionJob& job, TBatchControl control,
                                    const TExtractionReport& report)
{
    return RunJournaled(journalFolder, JournalExtract, std::move(control),
                        [&](const TBatchControl& journaled) {
                            return RunExtraction(paths, job, journaled, report);
                        });
}
