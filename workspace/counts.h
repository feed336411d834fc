#pragma once

#include <string>

// What the counters of the main window are computed from: the state of its file list.
struct TListState
{
    bool WholePathMode = false;
    bool MultiSelect = true; // the list allows several selected items
    int ItemCount = 0;
    int SelectedItems = 0; // items selected at present
    bool HasCurrent = false;
};

struct TCounts
{
    int Selected = 0; // files to process
    int Total = 0;    // files listed
};

// In whole-path mode every listed file is processed; otherwise the selected ones.
TCounts CountFiles(const TListState& list);

// "selected / total", as the counter panel shows it.
std::string CountsText(TCounts counts);

// The status line of the extraction window: "Process ALL files in path", "Files to process",
// "No files to process", or empty for a single-select list outside whole-path mode.
std::string StatusText(const TListState& list);

// The extraction window's index panel for `selected` files to process: "[ 1 / n ]", or
// "[ 0 / 0 ]" when there are none.
std::string IndexPanelText(int selected);

// The extraction window's status panel: status text, three spaces and the counts in brackets.
std::string StatusPanelText(const std::string& status, const std::string& counts);
