#pragma once

#include "batch/batch_run.h"
#include "engine/file_failure.h"
#include "journal/journal_file.h"
#include "journal/journal_marks.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The kinds of batch the program journals; any other short word works as well.
inline constexpr const char* JournalWrite = "write";
inline constexpr const char* JournalClear = "clear";
inline constexpr const char* JournalRename = "rename";
inline constexpr const char* JournalExtract = "extract";
inline constexpr const char* JournalCopyV2 = "copy-v2";
inline constexpr const char* JournalUndo = "undo";

// Records one batch in the undo journal. A batch that runs through RunBatch is journaled by
// giving it the session (TBatchControl::Journal); a batch with its own loop calls Begin before its
// first file and FileDone after each.
//
// Begin writes the state of every file and flushes it to the disk before returning (a long list
// is looked at on several threads); the marks of FileDone go straight to the system's page cache
// without waiting for the disk, so a batch killed half way leaves marks for exactly the files it
// finished; a power cut may lose the last marks, and their files then cannot be undone (they are
// never put back wrongly). When the journal cannot be written, Begin or FileDone returns false and
// Failure() says why: the batch must stop there. A batch that changed no file leaves no record.
//
// Begin also removes what a Cantrel killed during its Begin left: a hidden record whose process
// is gone, or that is older than a day.
class TJournalSession
{
public:
    // `now`: seconds since 1970, stored as the batch's time.
    TJournalSession(std::string folder, std::string kind, std::int64_t now);
    ~TJournalSession();
    TJournalSession(const TJournalSession&) = delete;
    TJournalSession& operator=(const TJournalSession&) = delete;

    bool Begin(const std::vector<std::string>& paths);
    // Marks file `index` of Begin's list when the outcome changed it; other outcomes need no mark.
    bool FileDone(std::size_t index, const TFileOutcome& outcome);

    const TFileFailure& Failure() const { return Trouble; }
    // The batch's number in the journal, once begun.
    int Number() const { return BatchNumber; }

private:
    bool Fail(int error, const std::string& what);

    std::string Folder;
    std::string Kind;
    std::int64_t Now = 0;
    std::vector<std::string> Paths; // absolute
    int Fd = -1;
    TJournalMarks Marks;
    int BatchNumber = 0;
    std::size_t MarkCount = 0;
    std::string Line;
    TFileFailure Trouble;
};
