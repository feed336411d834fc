#pragma once

#include "engine/file_failure.h"
#include "engine/tag_file.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What one step of a batch did to its file.
enum class TFileStatus
{
    Done,      // written, cleared, renamed (or, in a dry run, found ready to be renamed)
    Unchanged, // nothing needed changing: no tag to remove, the new name is the present one
    Refused,   // left as it was; Failure says why
};

struct TFileOutcome
{
    TFileOutcome(TFileStatus status = TFileStatus::Done, TFileFailure failure = {})
        : Status(status), Failure(std::move(failure))
    {
    }

    TFileStatus Status = TFileStatus::Done;
    // Refused: why the file was left as it was. Done: a failure with a reason says that the file
    // was changed but not quite as asked (values that came out empty); it is listed all the same.
    TFileFailure Failure;
    // A file moved to a new name (Done): where it went, and the folders made for it, parents
    // first. The undo journal keeps them to move the file back.
    std::string NewPath;
    std::vector<std::string> NewFolders;
    // What the step left the file as (Done), when it knows without looking again; the undo
    // journal keeps it to tell later whether the file changed since.
    std::optional<TFileState> After;

    static TFileOutcome Refusal(TFileFailure failure)
    {
        return {TFileStatus::Refused, std::move(failure)};
    }
    // True when the outcome puts its file on the list of failed files.
    bool Listed() const
    {
        return Status == TFileStatus::Refused ||
               (Status == TFileStatus::Done && Failure.Reason != TFailureReason::None);
    }
};

// The undo journal as a batch uses it: the batch runner talks to this and nothing else, and the
// journal session implements it. Every call but Begin refers to the files by their index in
// Begin's list.
class TBatchJournal
{
public:
    // Records the files before the first one is touched; false when that cannot be done
    // (Failure says why), and the batch then touches no file.
    virtual bool Begin(const std::vector<std::string>& paths) = 0;
    // Makes file `index`'s change by calling `change`: each change it announces on this thread is
    // recorded as the file's intent before it is made.
    virtual TFileOutcome Change(std::size_t index, const std::function<TFileOutcome()>& change) = 0;
    // Marks the file after its change; false when the journal cannot be written, and the batch
    // must stop there.
    virtual bool FileDone(std::size_t index, const TFileOutcome& outcome) = 0;
    // Records that the batch ran to its end.
    virtual bool End() = 0;
    virtual const TFileFailure& Failure() const = 0;

protected:
    ~TBatchJournal() = default;
};
