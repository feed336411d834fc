#pragma once

#include <string>
#include <vector>

// Why a file was not processed when no errno value says it: a reason the program itself decided.
enum class TFailureReason
{
    None,         // the errno value in TFileFailure::Error says why
    Missing,      // no file at the path (the old -1 of the file operations)
    NotAudio,     // no MPEG audio recognised, so its tag was never read and is not written
    TargetExists, // a rename would replace another file
    NameTooLong,  // a new name over the length limit
    LinkInTheWay, // a symbolic link stands where a file was to be written
    Incomplete,   // the file was processed but some of its values came out empty
    ChangedSince, // an undo found the file changed since the batch it would take back
    Unencodable,  // the new tag has characters the code page cannot hold; nothing was written
    Other,        // see the text
};

// One file (or folder) that a batch job could not process: the one way every batch reports a
// failure, and what the error window lists.
struct TFileFailure
{
    std::string Path; // as bytes, never converted
    int Error = 0;    // errno value; 0 when Reason says why
    TFailureReason Reason = TFailureReason::None;
    std::string Text; // what the user reads: "cannot write: ..."

    bool operator==(const TFileFailure&) const = default;
};

using TFileFailures = std::vector<TFileFailure>;

// "what: the system's error text" for an errno value (strerror, never the locale's changes).
std::string ErrorText(const std::string& what, int error);

// A failure from a file operation's result: -1 is a missing file, any other value an errno value.
TFileFailure FailureFromCode(const std::string& path, int code, const std::string& what);
TFileFailure FailureFromReason(const std::string& path, TFailureReason reason,
                               const std::string& text);

// The outcome of one batch over many files.
struct TBatchResult
{
    int Done = 0;      // files changed
    int Unchanged = 0; // files that needed no change
    TFileFailures Failures;
    bool Cancelled = false;
};
