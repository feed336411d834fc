#pragma once

#include "engine/file_failure.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a batch job shows the user: its progress while it runs, and the files it could not
// process afterwards.

// How a batch job reports its progress before each step: the bar is filled `position` parts of
// `range`, and `text` is shown on it ("3 / 120", "Waiting ..."). May be empty.
using TProgressFn = std::function<void(int position, int range, const std::string& text)>;

// The position and the range as decimal numbers joined by " / ".
std::string ProgressText(int position, int range);

// The text of the error window: the files a batch job could not process, grouped by folder.
// A folder header (an empty line, the folder, "----") comes before the first entry of a folder
// and again whenever the folder differs from that of the previous entry. Lines are bytes, as
// paths are; the window converts them only to show them.
class TErrorLog
{
public:
    // Empties the log; the next entry starts with a header again.
    void Clear();

    // One failed file: a header when the folder changed (none for an empty folder), then the
    // entry's lines (the file name first, a producer may add more).
    void AddEntry(const std::string& folder, const std::vector<std::string>& lines);

    // Failed files of a batch, each under its folder's header: the file name, then the failure's
    // text on a line of its own when it has one.
    void AddFailures(const TFileFailures& failures);

    // A bit-rate warning of a scan: an empty line, the folder, the file name and
    // " BitRate : " with the bit rate; no "----" header.
    void AddBitRateWarning(const std::string& folder, const std::string& name, int bitRate);

    // A line added as it stands; it does not count as an entry.
    void AddLine(const std::string& line);

    // Number of entries (failed files and warnings) since the last Clear.
    int Count() const { return EntryCount; }
    const std::vector<std::string>& Lines() const { return LogLines; }

private:
    std::vector<std::string> LogLines;
    std::optional<std::string> LastFolder;
    int EntryCount = 0;
};

// The window captions.
inline constexpr const char* EmptyErrorLogCaption = "Errors Found ...";
// After each entry of an extraction or renaming batch.
std::string BatchErrorsCaption(int count);
// After each bit-rate warning of a scan.
std::string BitRateWarningCaption(int count);
// When the scanner has finished a folder that raised bit-rate warnings (one space fewer).
std::string BitRateFolderDoneCaption(int count);
