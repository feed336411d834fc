#pragma once

#include "engine/yield.h"
#include "scan/entry_details.h"
#include "scan/file_mask.h"

#include <functional>
#include <string>
#include <vector>

// Walks a folder, and with Recursive every folder below it, reporting each file whose name
// matches one of the "*.ext" masks of FileMask (see TFileMaskList). Files of one folder are
// reported in name order (ignoring case, then bytes) before its subfolders are entered, in the same
// order (each name taken with its final "/", so "A - B/" comes before "A/") and depth first; every
// folder visited gets a found and, after everything below it, a done event, the starting folder
// last.
//
// Folders are written with a final "/". Hidden names are included. Regular files and symbolic
// links to regular files are reported; folders, devices, pipes and sockets never are. Symbolic
// links to folders are not followed, so no scan can loop. A folder that cannot be read (missing,
// no access, vanished) still gets its found and done events and contributes nothing else.
class TTreeScanner
{
public:
    using TEvent = std::function<void(TTreeScanner& sender)>;

    TEvent OnDirectoryFound;
    TEvent OnDirectoryDone;
    TEvent OnFileFound;
    // The paths of a folder's files in the order they are about to be reported, before the first
    // of them is; a handler may start reading them ahead.
    std::function<void(const std::vector<std::string>& paths)> OnFilesListed;
    TYieldFn Yield; // called once per folder, before its found event

    // Where the search starts; empty means the current folder. StartSearch leaves it normalised
    // to end in exactly one "/" ("/" stays "/").
    std::string InitialDirectory;
    std::string FileMask = "*.txt,*.doc;*.htm|*.exe";
    // With details, a file entry reads path, separator, size in bytes, separator, date
    // (see DetailsEntry); folder entries stay plain paths.
    bool _With_Detailes = false;
    std::string _Time_Format; // empty: DefaultDetailsTimeFormat
    _DateType _TypeOfDate = _DateType::dtDateTime;
    std::string _DetailesSeparator = ","; // an empty separator becomes "," when a search runs
    bool Recursive = true;

    // The entry being reported: the folder during OnDirectoryFound, the file during OnFileFound.
    // During OnDirectoryDone it still holds the last entry reported for that folder or below it.
    const std::string& FileFound() const { return FileFoundValue; }
    // The folder whose events are firing (a plain path with a final "/"), in all three events.
    const std::string& CurrentDirectory() const { return CurrentDirectoryValue; }
    bool SearchInProgress() const { return SearchInProgressValue; }

    // Runs a whole search; every event fires from within this call. A call made from a handler
    // while a search runs does nothing.
    void StartSearch();

private:
    void ScanFolder(const std::string& folder);
    const TFileMaskList& CurrentMasks();

    std::string FileFoundValue;
    std::string CurrentDirectoryValue;
    bool SearchInProgressValue = false;
    std::string ParsedMaskText; // the text Masks was parsed from; "" parses to no mask
    TFileMaskList Masks;
};
