#include "batch/rename_file.h"

#include "batch/locked_change.h"
#include "engine/change_intent.h"
#include "engine/path_parts.h"
#include "workspace/display_texts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool IsMissing(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

std::string WithoutTrailingSlashes(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

// The folder above `folder` ("" for a name of the current folder, "/" above "/a").
std::string ParentOf(const std::string& folder)
{
    const auto cut = folder.find_last_of('/');
    if (cut == std::string::npos) {
        return "";
    }
    return WithoutTrailingSlashes(folder.substr(0, cut == 0 ? 1 : cut));
}

// 0 when `folder` is an existing folder (following links), else the errno value.
int CheckFolder(const std::string& folder)
{
    if (folder.empty()) {
        return 0; // the current folder
    }
    struct stat info = {};
    if (stat(folder.c_str(), &info) != 0) {
        return errno;
    }
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// Announces the move to `newPath`, with the folders about to be made for it (parents first).
int AnnounceMove(const std::string& newPath, std::vector<std::string> folders)
{
    if (!ChangesHeard()) {
        return 0;
    }
    TChangeIntent intent;
    intent.NewPath = newPath;
    intent.NewFolders = std::move(folders);
    return AnnounceChange(intent);
}

// Creates the missing folders of `folder`, parents first, and lists those it made in `created`;
// the move to `newPath` is announced before the first is made. 0 or the errno value of the first
// failure.
int MakeFolders(const std::string& folder, std::vector<std::string>& created,
                const std::string& newPath)
{
    std::vector<std::string> missing; // deepest first
    std::string at = WithoutTrailingSlashes(folder);
    for (;;) {
        const int code = CheckFolder(at);
        if (code == 0) {
            break;
        }
        if (code != ENOENT) {
            return code;
        }
        missing.push_back(at);
        at = ParentOf(at);
    }
    if (const int code = AnnounceMove(newPath, {missing.rbegin(), missing.rend()}); code != 0) {
        return code;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (mkdir(it->c_str(), 0777) == 0) {
            created.push_back(*it);
        } else if (const int code = errno; code != EEXIST || CheckFolder(*it) != 0) {
            return code == EEXIST ? ENOTDIR : code;
        }
    }
    return 0;
}

void RemoveFolders(const std::vector<std::string>& created)
{
    // deepest first; a folder that is not empty stays
    for (auto it = created.rbegin(); it != created.rend(); ++it) {
        if (rmdir(it->c_str()) != 0) {
            break;
        }
    }
}

std::atomic<bool> NoReplaceRenameMissing{false};

int RenameNoReplace(const std::string& oldPath, const std::string& newPath)
{
    if (NoReplaceRenameMissing.load(std::memory_order_relaxed)) {
        errno = EINVAL;
        return -1;
    }
    return renameat2(AT_FDCWD, oldPath.c_str(), AT_FDCWD, newPath.c_str(), RENAME_NOREPLACE);
}

// Renames without ever replacing the target: 0 or the errno value (EEXIST when the target is
// there). A file system without the no-replace rename gets a hard link and an unlink, which
// cannot replace either.
int MoveNoReplace(const std::string& oldPath, const std::string& newPath)
{
    if (RenameNoReplace(oldPath, newPath) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    if (link(oldPath.c_str(), newPath.c_str()) != 0) {
        return errno;
    }
    if (unlink(oldPath.c_str()) != 0) {
        const int code = errno;
        unlink(newPath.c_str());
        return code;
    }
    return 0;
}

std::string RenameText(const std::string& oldPath, const std::string& newPath)
{
    const std::string folder = FolderPart(oldPath);
    const bool below = newPath.compare(0, folder.size(), folder) == 0;
    return "cannot rename to " + (below ? newPath.substr(folder.size()) : newPath);
}

} // namespace

std::string RenameTarget(std::string_view oldPath, std::string_view expandedMacro)
{
    std::string macro(expandedMacro);
    std::replace(macro.begin(), macro.end(), '\\', '/');
    return MacroFullName(oldPath, std::string_view(macro).substr(
                                      std::min(macro.find_first_not_of('/'), macro.size())));
}

bool LeavesFolder(std::string_view expandedMacro)
{
    std::size_t start = 0;
    for (;;) {
        const auto end = expandedMacro.find_first_of("/\\", start);
        if (end == std::string_view::npos) {
            return false; // the last part is the name, which gets ".mp3"
        }
        if (expandedMacro.substr(start, end - start) == "..") {
            return true;
        }
        start = end + 1;
    }
}

bool FitsNameLimit(std::string_view newPath)
{
    return !ExceedsCdLimit(NewNameLength(newPath));
}

TFileOutcome RenameOneFile(const std::string& oldPath, const std::string& newPath,
                           const std::optional<TFileState>& seen)
{
    if (oldPath.empty() || oldPath == newPath) {
        return {TFileStatus::Unchanged, {}};
    }
    const std::string what = RenameText(oldPath, newPath);
    if (newPath.find('\0') != std::string::npos) {
        return TFileOutcome::Refusal(FailureFromCode(oldPath, EINVAL, what));
    }
    struct stat info = {};
    if (!seen && lstat(oldPath.c_str(), &info) != 0) {
        return TFileOutcome::Refusal(FailureFromCode(oldPath, IsMissing(errno) ? -1 : errno, what));
    }
    if (!seen && S_ISDIR(info.st_mode)) {
        // a folder now stands where the listed file was
        return TFileOutcome::Refusal(FailureFromCode(oldPath, EISDIR, what));
    }
    // held locked until it has moved; its name came from what the read saw in it
    TOpenTagFile file;
    if (auto refusal = OpenForChange(file, oldPath, oldPath, seen, what, true)) {
        return TFileOutcome::Refusal(std::move(*refusal));
    }
    std::vector<std::string> created;
    const std::string folder = FolderPart(newPath);
    // the file's own folder is there: the common case needs no look at it
    int code = folder == FolderPart(oldPath) ? AnnounceMove(newPath, {})
                                             : MakeFolders(folder, created, newPath);
    if (code == 0) {
        code = MoveNoReplace(oldPath, newPath);
    }
    if (code == 0) {
        TFileOutcome moved;
        moved.NewPath = newPath;
        moved.NewFolders = std::move(created);
        return moved;
    }
    RemoveFolders(created);
    if (code == EEXIST) {
        return TFileOutcome::Refusal(FailureFromReason(oldPath, TFailureReason::TargetExists,
                                                       what + ": another file has that name"));
    }
    // a file opened before the move and missing at it has vanished in between
    const bool vanished = IsMissing(code) && folder == FolderPart(oldPath);
    return TFileOutcome::Refusal(FailureFromCode(oldPath, vanished ? -1 : code, what));
}

void SimulateNoReplaceRenameMissing(bool missing)
{
    NoReplaceRenameMissing.store(missing, std::memory_order_relaxed);
}
