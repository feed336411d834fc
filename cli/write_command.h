#pragma once

#include "batch/batch_run.h"

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
