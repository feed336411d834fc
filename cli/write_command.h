#pragma once

#include "batch/batch_run.h"
#include "cli/command_line.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// What the file commands print for a refused file: "failed:" and the errno value (2 for a file
// that is not there), or "not-audio".
std::string RefusedStatus(const TFileFailure& failure);

// Runs `step` on each file in order and prints "FILE<TAB>STATUS" for each (with `json` a JSON
// array of objects with the keys file and status), STATUS being `done`, "unchanged" or the
// refusal; each refused file is also named on `err` with its reason. The exit status: 0 when no
// file was refused, else 1.
int RunFileCommand(std::string_view command, const std::vector<std::string>& files,
                   const TFileStep& step, std::string_view done, bool json, std::ostream& out,
                   std::ostream& err);

class TMPEGAudio;

// One file of a copy between the tags: its outcome, and in `status` a status of its own when the
// usual ones (written, planned, unchanged, the refusal) do not say it.
using TCopyStep =
    std::function<TFileOutcome(TMPEGAudio& audio, const std::string& path, bool dryRun,
                               const TYieldFn& yield, std::string& status)>;

// Runs a copy command (copy-v2, copy-v1) over the files of `line`: one analysis object for the
// batch, journaled unless --dry-run, "FILE<TAB>STATUS" per file (or --json). The exit status as
// RunFileCommand's.
int RunCopyBatch(std::string_view command, const TCommandLine& line, const TCopyStep& copy,
                 std::ostream& out, std::ostream& err);
