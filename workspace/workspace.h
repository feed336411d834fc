#pragma once

#include "workspace/activity.h"
#include "workspace/options.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// --- the listed files

// One listed file: its folder (ending in "/") and its name, both bytes, never converted.
struct TFileEntry
{
    std::string Folder;
    std::string Name;

    std::string FullName() const { return Folder + Name; }
};

// The files of the list, in the order they were found; row i of the window's list is entry i.
// A folder of a million files is listed at once, so the entries are kept packed: each folder once
// (the files of a folder arrive one after the other) and the names one after the other.
class TFileList
{
public:
    // Appends a found file, split into folder and name.
    void Add(const std::string& path);
    void Clear();

    std::size_t Size() const { return Rows.size(); }
    bool Empty() const { return Rows.empty(); }
    TFileEntry operator[](std::size_t row) const;
    // The name alone, without a copy; valid until the list is cleared.
    std::string_view Name(std::size_t row) const;

private:
    struct TRow
    {
        std::uint32_t Block = 0; // in NameBlocks
        std::uint32_t NameStart = 0;
        std::uint32_t NameSize = 0;
        std::uint32_t Folder = 0;
    };
    std::vector<std::string> Folders;
    // the names one after the other in blocks of a fixed size, so that the list never copies
    // them all to grow
    std::vector<std::string> NameBlocks;
    std::vector<TRow> Rows;
};

// The rows a command processes: every listed row in whole-path mode, else the selected rows in
// list order; rows that are not listed are dropped.
std::vector<std::size_t> ProcessedRows(std::size_t listed, std::vector<int> selectedRows,
                                       bool wholePathMode);

// The row whose file the tag boxes refer to: the only selected row, or the current (focused) row
// when several are selected; none when nothing listed is selected.
std::optional<std::size_t> DisplayedRow(std::size_t listed, const std::vector<int>& selectedRows,
                                        int currentRow);

// --- the counters

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

// --- the field modes of the tag boxes

// Title, Artist, Album, Year, Comment, Genre, Track.
inline constexpr int FieldCount = 7;
using TFieldChoices = std::array<bool, FieldCount>;

// Who owns the seven field check boxes. In one-file mode they are the user's own choices; with
// several files (or the whole path) they show EnabledFields, and the user's choices wait in
// SingleFieldChecks until one file is chosen again.
struct TFieldModes
{
    TFieldChoices EnabledFields{};   // editable with several files; edited by the settings
    TFieldChoices SingleFieldChecks; // the user's choices while several files are chosen
    bool MultiSelectMode = false;

    TFieldModes() { SingleFieldChecks.fill(true); }

    // Several files are chosen: the checks to show. On entering the mode the checks shown until
    // now are kept as the user's own.
    TFieldChoices SeveralFiles(const TFieldChoices& shown);
    // One file is chosen: the user's own checks to bring back when several were chosen until
    // now, else nothing (the checks stay as they are).
    std::optional<TFieldChoices> OneFile();
};

// --- what the windows share

// The working state of the program, owned by the program and shared by reference among its
// windows: the opened folder, the listed files, the options and the activity.
struct TWorkspace
{
    std::string CurrentFolder;     // root of every scan; empty until a folder is opened
    std::string PickerStartFolder; // only the folder picker's preselection
    TFileList Files;
    bool WholePathMode = false;
    bool RecursiveScan = false;
    TFieldModes Fields;
    TMainOptions Options;
    TRecentPaths RecentPaths = EmptyRecentPaths();
    // Bit-rate warnings since the notice was last cleared, and the files of every warning since
    // the scan mode last changed.
    bool BitRateErrorsFound = false;
    std::vector<std::string> BitRateErrorFiles;
    TActivity Activity;
    // Where the batches are journaled for undo; empty when the user has no state folder.
    std::string JournalFolder;
};
