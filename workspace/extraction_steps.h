#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the main window hands the extraction window as it opens it.
struct TExtractionStart
{
    std::string CurrentFile;       // full path of the file shown (bytes); empty for none
    std::vector<int> SelectedRows; // the list's selected rows, in list order
    int CurrentRow = -1;           // the list's current row; -1 for none
};

// The row the extraction window steps to from `shown`: in whole-path mode the next or previous
// listed row, staying on the first and the last; otherwise the next or previous selected row.
// Nothing when there is no row to go to (or, in whole-path mode, nothing is listed or current).
std::optional<int> StepTarget(bool wholePathMode, std::size_t listed,
                              const std::vector<int>& selectedRows, int shown, bool forward);

// The step counter after a step: one more (at most `toProcess`) going forward, one less (at least
// 1) going back.
int StepCounterAfter(int counter, int toProcess, bool forward);
