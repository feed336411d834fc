#pragma once

#include "engine/batch_journal.h"
#include "engine/file_failure.h"
#include "engine/yield.h"
#include "workspace/batch_report.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// One file's work: given the path and the yield callback of the batch.
using TFileStep = std::function<TFileOutcome(const std::string& path, const TYieldFn& yield)>;

// One file's work in two parts: the read only reads the file and gives the change, which makes
// the step's change to it.
using TFileChange = std::function<TFileOutcome()>;
using TFileRead = std::function<TFileChange(const std::string& path, const TYieldFn& yield)>;

// How a batch talks to whoever runs it; every member may be empty.
struct TBatchControl
{
    TYieldFn Yield;                  // once per file and inside each file's analysis
    TProgressFn Progress;            // before each file
    std::function<bool()> Cancelled; // asked before each file: true stops the batch there
    // after each file, with its index in the list
    std::function<void(std::size_t index, const TFileOutcome& outcome)> Report;
    // A whole-path run counts its files "0 / n" up to "n-1 / n", a run over the selected files
    // "1 / n" up to "n / n".
    bool CountFromOne = false;
    // When given, the batch is journaled so that it can be undone: the files are recorded before
    // the first one is touched, each change the step announces is recorded before it is made,
    // and each changed file is marked after it. A journal that cannot
    // be written stops the batch with its failure, before any file or at the file it failed on.
    TBatchJournal* Journal = nullptr;
};

// Runs `step` on each path in order and collects what happened: the result lists each file whose
// outcome is Listed() with its failure. A cancelled batch leaves the files from the cancelled one
// on untouched and says so in the result.
TBatchResult RunBatch(const std::vector<std::string>& paths, const TFileStep& step,
                      const TBatchControl& control = {});
// The same with a step in two parts. A journaled batch on a machine with more than one processor
// reads its first files while the journal records the batch on the other processors, and makes
// their changes once the record is on the disk: the reading costs the batch no time then. No file
// is changed before the record is whole, and the changes are made in order as above.
TBatchResult RunBatch(const std::vector<std::string>& paths, const TFileRead& read,
                      const TBatchControl& control = {});
