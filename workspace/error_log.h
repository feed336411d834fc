#pragma once

#include <optional>
#include <string>
#include <vector>

// The text of the error window: the files a batch job could not process, grouped by folder.
// A folder header (an empty line, the folder, "----") comes before the first entry of a folder
// and again whenever the folder differs from that of the previous entry.
class TErrorLog
{
public:
    // Empties the log; the next entry starts with a header again.
    void Clear();

    // One failed file: a header when the folder changed (none for an empty folder), then the
    // entry's lines (the file name first, a producer may add more).
    void AddEntry(const std::string& folder, const std::vector<std::string>& lines);

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
