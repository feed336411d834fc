#pragma once

#include "batch/batch_run.h"
#include "extract/extract_values.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// One extraction over a list of files, as the extraction window and `cantrel-cli extract` run it.
struct TExtractionJob
{
    TTagFormula Formula;
    // the options that shape each run, with the code page the tags are read and written in
    TExtractOptions Options;
    // the formula runs on the path without its root, or else on the file name alone
    bool PathIncluded = true;
    // false: the files are only read and each run is reported (Unchanged)
    bool Write = true;
    // values the code page lacks are written as "?"; otherwise such a file keeps its tag
    bool Lossy = false;
    // the fields the run sets are also written into the ID3v2 tag, in the same step
    bool Id3v2 = false;
};

// What the job makes of one file.
struct TFileExtraction
{
    std::string FullPath;
    std::string Text; // what the formula ran on
    TFormulaRun Run;
    // NotProcessedCorrectly: the batch lists the file, and writes it all the same
    bool Incomplete = false;
};

// Runs the job's formula on one file (a relative path is taken from the working folder).
TFileExtraction ExtractFile(const std::string& path, const TExtractionJob& job,
                            const TYieldFn& yield = {});

// The files whose values have a character the code page cannot hold, which the batch refuses
// unless it is lossy; asked before the batch, so no tag is read.
std::vector<std::string> FilesLosingCharacters(const std::vector<std::string>& paths,
                                               const TExtractionJob& job);

// Told after each file of a batch what its run gave and what became of the file.
using TExtractionReport = std::function<void(std::size_t index, const TFileExtraction& extraction,
                                             const TFileOutcome& outcome)>;

// Runs the job over the files through RunBatch, `report` taking the place of the control's
// Report. A file is listed, under its extraction text as the user sees it, when its write was
// refused, and when it was written from an incomplete run (Done, reason Incomplete). The progress
// text always names the file at hand, "1 / n" up to "n / n", while the bar stands where the
// control's count puts it.
TBatchResult RunExtraction(const std::vector<std::string>& paths, const TExtractionJob& job,
                           const TBatchControl& control, const TExtractionReport& report = {});

// RunExtraction journaled as an "extract" batch in the undo journal in `journalFolder`.
TBatchResult RunJournaledExtraction(const std::string& journalFolder,
                                    const std::vector<std::string>& paths,
                                    const TExtractionJob& job, TBatchControl control,
                                    const TExtractionReport& report = {});
