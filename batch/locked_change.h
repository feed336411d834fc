#pragma once

#include "batch/batch_run.h"
#include "engine/file_failure.h"
#include "engine/id3v2_edit.h"
#include "engine/tag_file.h"

#include <functional>
#include <optional>
#include <string>

// Every step of a batch changes its file through here: the file is opened and locked for the
// change (TOpenTagFile), looked at again with the lock held, and changed only when it is still what
// the batch's read saw. Two batches over the same files then take turns on each file, and the one
// that comes second refuses a file the first changed after it was read instead of writing over the
// first one's edit.

// What a file's read saw for its change: the analysis's state of a regular file; nothing for a
// file that was not analysed as one.
std::optional<TFileState> SeenByRead(const TFileState& analysed);

// Whether a write would be refused for want of permission, without opening the file for writing
// (a dry run): 0 or the errno value (EACCES also for the superuser when no write bit is set, as a
// write does).
int WriteRefusal(const std::string& fullPath);

// The refusal of a pipe, device or anything else that is not a regular file: never changed.
TFileFailure NotRegularFailure(const std::string& path, const std::string& what);

// Opens `file` (the full path of the listed `path`) into `open` for a change, or to move it with
// `toMove`. Nothing, or the refusal (`what` starts its text): missing, not a regular file, kept
// locked by another program, changed since `seen` (ChangedSince; the file stays open then, so that
// its state can be looked at), or the system's error.
std::optional<TFileFailure> OpenForChange(TOpenTagFile& open, const std::string& file,
                                          const std::string& path,
                                          const std::optional<TFileState>& seen,
                                          const std::string& what, bool toMove = false);

// Makes `change` (0 or the errno value) to the file opened as above and gives the outcome, with the
// state it left the file in. `leaves`: the trailer the change writes, null for one that cuts the
// trailer off; the change is announced (AnnounceTrailerChange) only once the file is found as the
// read saw it, so a refused file is never announced. A file that changed since the read but
// already ends in `leaves` needs nothing (the same file listed twice in one batch): Unchanged.
//
// With `id3v2`, the step also edits the file's ID3v2 tag, before `change` (which may then be empty:
// the trailer stays); both are announced as one change. Changed tells whether the tag changed. A
// tag that cannot be read, or that cannot be written, refuses the file untouched.
struct TId3v2Change
{
    TId3v2Edit Edit;
    bool Changed = false;
};
TFileOutcome ChangeLockedFile(const std::string& file, const std::string& path,
                              const std::optional<TFileState>& seen, const std::string& what,
                              const std::function<int(TOpenTagFile&)>& change,
                              const TTagTrailer* leaves = nullptr, TId3v2Change* id3v2 = nullptr);
