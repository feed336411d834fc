#include "batch/locked_change.h"

#include "engine/change_intent.h"
#include "engine/id3v2_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

std::optional<TFileState> SeenByRead(const TFileState& analysed)
{
    if (analysed.Size < 0) {
        return std::nullopt;
    }
    return analysed;
}

int WriteRefusal(const std::string& fullPath)
{
    struct stat info = {};
    if (stat(fullPath.c_str(), &info) != 0) {
        return errno;
    }
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    return access(fullPath.c_str(), W_OK) == 0 ? 0 : errno;
}

TFileFailure NotRegularFailure(const std::string& path, const std::string& what)
{
    return {path, EINVAL, TFailureReason::None, what + ": not a regular file"};
}

std::optional<TFileFailure> OpenForChange(TOpenTagFile& open, const std::string& file,
                                          const std::string& path,
                                          const std::optional<TFileState>& seen,
                                          const std::string& what, bool toMove)
{
    // a file the read has just opened as a regular file needs no look before the open
    const int code = toMove ? open.OpenToMove(file, !seen) : open.Open(file, !seen);
    switch (code) {
    case 0:
        break;
    case EINVAL:
        return NotRegularFailure(path, what);
    case EWOULDBLOCK:
        return TFileFailure{path, EWOULDBLOCK, TFailureReason::None,
                            what + ": another program keeps it locked"};
    default:
        return FailureFromCode(path, code, what);
    }
    if (seen && open.State() != seen) {
        return FailureFromReason(path, TFailureReason::ChangedSince,
                                 what + ": changed by another program during the batch");
    }
    return std::nullopt;
}

TFileOutcome ChangeLockedFile(const std::string& file, const std::string& path,
                              const std::optional<TFileState>& seen, const std::string& what,
                              const std::function<int(TOpenTagFile&)>& change,
                              const TTagTrailer* leaves, TId3v2Change* id3v2)
{
    TOpenTagFile open;
    if (auto refusal = OpenForChange(open, file, path, seen, what)) {
        const std::optional<TFileState> now = open.State();
        if (refusal->Reason == TFailureReason::ChangedSince && leaves != nullptr && now &&
            now->Trailer == *leaves) {
            // and, with an ID3v2 edit, the tag holds it already (and could be read)
            int code = 0;
            if (id3v2 == nullptr ||
                (!PlanId3v2Change(open.Descriptor(), id3v2->Edit, code) && code == 0)) {
                return {TFileStatus::Unchanged, {}};
            }
        }
        return TFileOutcome::Refusal(std::move(*refusal));
    }
    std::optional<THeadChange> head;
    if (id3v2 != nullptr) {
        int code = 0;
        head = PlanId3v2Change(open.Descriptor(), id3v2->Edit, code);
        if (code != 0) {
            return TFileOutcome::Refusal(HeadFailure(path, what, code));
        }
        if (!head && !change) {
            return {TFileStatus::Unchanged, {}};
        }
    }
    // told once the file is locked and found as the read saw it, just before its bytes change: a
    // refused file is never announced
    if (const int code =
            AnnounceTrailerChange(open.State(), leaves, head ? &*head : nullptr, !change);
        code != 0) {
        return TFileOutcome::Refusal(FailureFromCode(path, code, what));
    }
    if (head) {
        std::string why;
        if (const int code = ChangeHead(open, file, *head, why); code != 0) {
            return TFileOutcome::Refusal(HeadFailure(path, what, code, why));
        }
        id3v2->Changed = true;
    }
    if (change) {
        if (const int code = change(open); code != 0) {
            TFileOutcome refused = TFileOutcome::Refusal(FailureFromCode(path, code, what));
            if (head) {
                refused.After = open.State(); // the ID3v2 tag is written: the journal marks it
            }
            return refused;
        }
    }
    TFileOutcome changed;
    changed.After = open.State();
    if (const int code = open.Close(); code != 0) {
        return TFileOutcome::Refusal(FailureFromCode(path, code, what));
    }
    return changed;
}
