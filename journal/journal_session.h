#pragma once

#include "batch/batch_run.h"
#include "engine/batch_journal.h"
#include "engine/change_intent.h"
#include "engine/file_failure.h"
#include "journal/journal_file.h"
#include "journal/journal_marks.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The kinds of batch the program journals; any other short word works as well.
inline constexpr const char* JournalWrite = "write";
inline constexpr const char* JournalClear = "clear";
inline constexpr const char* JournalRename = "rename";
inline constexpr const char* JournalExtract = "extract";
inline constexpr const char* JournalCopyV2 = "copy-v2";
inline constexpr const char* JournalCopyV1 = "copy-v1";
inline constexpr const char* JournalUndo = "undo";

// Records one batch in the undo journal. A batch is journaled by giving the session to RunBatch
// (TBatchControl::Journal), which calls Begin before its first file, makes each file's change
// through Change, and calls FileDone after each and End after the last.
//
// Begin writes the state of every file and flushes it to the disk before returning (a long list
// is looked at on several threads). While a file's Change runs, each change announced on this
// thread (AnnounceChange, which every change of a tag or name makes before it touches the file)
// is stored as the file's intent, and FileDone stores the done mark after the change. Intents and
// marks go straight to the system's page cache without waiting for the disk: a batch killed at
// any point leaves the intent of every file it may have touched, and the mark of every file it
// finished; a power cut may lose the last lines, and their files then cannot be undone (they are
// never put back wrongly). When the journal cannot be written, the announcement fails (the file
// is left alone), Begin or FileDone returns false and Failure() says why: the batch must stop
// there. A batch that announced no change leaves no record, unless it is an undo that ran to its
// end (the record then says that its batch is taken back).
//
// Begin also removes what a Cantrel killed during its Begin left: a hidden record whose process
// is gone, or that is older than a day.
class TJournalSession : public TBatchJournal, public TChangeListener
{
public:
    // `now`: seconds since 1970, stored as the batch's time; `undoes`: for an undo, the number
    // of the batch it takes back.
    TJournalSession(std::string folder, std::string kind, std::int64_t now, int undoes = 0);
    ~TJournalSession() override;
    TJournalSession(const TJournalSession&) = delete;
    TJournalSession& operator=(const TJournalSession&) = delete;

    bool Begin(const std::vector<std::string>& paths) override;
    // Only the first change `change` announces is stored: it speaks for the step's whole change.
    TFileOutcome Change(std::size_t index, const std::function<TFileOutcome()>& change) override;
    // Marks file `index` of Begin's list when the outcome changed it; a refusal after an intent
    // is marked as such (the file was left as it was) unless the outcome says what it left.
    bool FileDone(std::size_t index, const TFileOutcome& outcome) override;
    // Records that the batch ran to its end; false when the journal cannot be written.
    bool End() override;

    int BeforeChange(const TChangeIntent& intent) override;

    const TFileFailure& Failure() const override { return Trouble; }
    // The batch's number in the journal, once begun.
    int Number() const { return BatchNumber; }

    // The points between which a batch may be killed; a test sets Checkpoint to stop the program
    // at one of them.
    enum class TPoint
    {
        IntentStored, // the intent is in the journal, the file not yet changed
        Changed,      // the file changed, its mark not yet stored
        Marked,       // the mark stored
    };
    static inline void (*Checkpoint)(TPoint point, std::size_t index) = nullptr;

private:
    bool Fail(int error, const std::string& what);
    int Store(std::string_view line);
    // The "h" line of the current file (and the copy of a long old head).
    int StoreHead(const THeadChange& head);

    std::string Folder;
    std::string Kind;
    std::int64_t Now = 0;
    int Undoes = 0;
    std::vector<std::string> Paths; // absolute
    int Fd = -1;
    TJournalMarks Marks;
    int BatchNumber = 0;
    std::size_t MarkCount = 0;
    std::size_t IntentCount = 0;
    bool Ended = false;
    std::size_t Current = 0; // the file whose scope lasts
    bool InScope = false;
    bool CurrentIntended = false; // its intent is stored
    std::string Line;
    TFileFailure Trouble;
};

// Runs one journaled batch: `run` gets `control` with a journal session of `kind` in `folder`
// (stamped with the time now) as its journal. `undoes`: for an undo, the batch it takes back.
TBatchResult RunJournaled(const std::string& folder, const std::string& kind, TBatchControl control,
                          const std::function<TBatchResult(const TBatchControl&)>& run,
                          int undoes = 0);
