#pragma once

#include "engine/yield.h"

#include <functional>
#include <string>

enum class _DateType
{
    dtDateTime = 0,
    dtDosTime = 1,
};

// Walks a folder, and with Recursive every folder below it, reporting each file whose name
// matches one of the "*.ext" masks of FileMask. Files of one folder are reported in sorted order
// before its subfolders are entered (depth first); every folder gets a found and a done event.
class TTreeScanner
{
public:
    using TEvent = std::function<void(TTreeScanner& sender)>;

    TEvent OnDirectoryFound;
    TEvent OnDirectoryDone;
    TEvent OnFileFound;
    TYieldFn Yield; // called once per folder, before its found event

    std::string InitialDirectory;
    std::string FileMask = "*.txt,*.doc;*.htm|*.exe";
    bool _With_Detailes = false;
    std::string _Time_Format;
    _DateType _TypeOfDate = _DateType::dtDateTime;
    std::string _DetailesSeparator = ",";
    bool Recursive = true;

    // The entry being reported: the folder (with a final "/") during OnDirectoryFound, the full
    // path of the file during OnFileFound.
    const std::string& FileFound() const { return FileFoundValue; }
    bool SearchInProgress() const { return SearchInProgressValue; }

    // Runs a whole search; every event fires from within this call.
    void StartSearch();

private:
    std::string FileFoundValue;
    bool SearchInProgressValue = false;
};
