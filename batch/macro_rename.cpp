#include "batch/macro_rename.h"

#include "batch/locked_change.h"
#include "batch/rename_file.h"
#include "engine/format_items.h"
#include "engine/path_parts.h"
#include "workspace/display_texts.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// 0 when `path` is a regular file (or a symbolic link to one), -1 when nothing is there, EISDIR
// for a folder, EINVAL for anything else (a device, a pipe, a socket), else the errno value.
int RegularFileCheck(const std::string& path)
{
    struct stat info = {};
    if (lstat(path.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? -1 : errno;
    }
    if (S_ISLNK(info.st_mode) && stat(path.c_str(), &info) != 0) {
        return EINVAL; // a link that leads nowhere
    }
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    return S_ISREG(info.st_mode) ? 0 : EINVAL;
}

// What the system would say of the new path below `folder` before any folder is made or any file
// moved: ENAMETOOLONG for a part or a path it cannot hold. `lookAtFolders`: also find the
// deepest folder that is there already and say why the folders or the file could not be made in
// it (ENOTDIR when a file stands where a folder is to be, EACCES, EROFS), as the move would; a
// real run leaves that to the move itself.
int NewPathCheck(const std::string& folder, const std::string& below, bool lookAtFolders)
{
    if (folder.size() + below.size() >= PATH_MAX) {
        return ENAMETOOLONG;
    }
    std::size_t start = 0;
    for (;;) {
        const auto end = below.find('/', start);
        const std::size_t size = (end == std::string::npos ? below.size() : end) - start;
        if (size > NAME_MAX) {
            return ENAMETOOLONG;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    if (!lookAtFolders) {
        return 0;
    }
    std::string at = folder + below.substr(0, below.find_last_of('/') + 1);
    for (;;) {
        struct stat info = {};
        const std::string probe = at.empty() ? "." : at;
        if (stat(probe.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                return ENOTDIR;
            }
            return faccessat(AT_FDCWD, probe.c_str(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
        }
        if (errno != ENOENT) {
            return errno;
        }
        // one folder up: drop the trailing "/" and the last part
        while (!at.empty() && at.back() == '/') {
            at.pop_back();
        }
        const auto cut = at.find_last_of('/');
        at = cut == std::string::npos ? std::string() : at.substr(0, cut + 1);
    }
}

} // namespace

TMacroRenamer::TMacroRenamer(std::string macro, TRegionalSettings regional, TRenameOptions options)
    : Audio(options.CodePage), Macro(std::move(macro)), ReadsFile(MacroReadsFile(Macro)),
      Regional(std::move(regional)), Options(options)
{
}

void TMacroRenamer::ReadAhead(std::vector<std::string> paths)
{
    Ahead.reset();
    if (ReadsFile) {
        Ahead =
            std::make_unique<TNameReadAhead>(std::move(paths), Macro, Regional, Options.CodePage);
    }
}

TRenameOutcome TMacroRenamer::Rename(const std::string& oldPath, const TYieldFn& yield)
{
    std::optional<TNameReadAhead::TName> name = Ahead ? Ahead->Take(oldPath) : std::nullopt;
    if (!name) {
        if (ReadsFile) {
            Audio.SetFileName(oldPath, yield);
        } else {
            Audio = TMPEGAudio(Options.CodePage);
            MakeFullPath(oldPath, Audio.FileName); // a path that cannot be resolved stays as given
        }
        // the move checks that the file is still what was read (a file not read: just that it is
        // a regular file)
        name = TNameReadAhead::TName{FormatItems(Audio, Macro, Regional, TExpansion::FileName),
                                     SeenByRead(Audio.FileState)};
    }
    TRenameOutcome result{RenameTarget(oldPath, name->Expanded), {}};
    const std::string& newPath = result.NewPath;
    // a dry run and a real one refuse the same files, through the same checks; a file the read
    // opened as a regular file is not looked at again before its move
    if (auto refusal = RenameRefusal(oldPath, newPath, name->Expanded, name->Seen.has_value())) {
        result.Outcome = TFileOutcome::Refusal(std::move(*refusal));
    } else if (newPath == oldPath) {
        result.Outcome = {TFileStatus::Unchanged, {}};
    } else if (Options.DryRun) {
        result.Outcome = Plan(oldPath, newPath);
    } else {
        result.Outcome = RenameOneFile(oldPath, newPath, name->Seen);
    }
    return result;
}

std::optional<TFileFailure> TMacroRenamer::RenameRefusal(const std::string& oldPath,
                                                         const std::string& newPath,
                                                         const std::string& expanded,
                                                         bool checkedFile) const
{
    const std::string folder = WithTrailingSlash(FolderPart(oldPath));
    const std::string what = "cannot rename to " + newPath.substr(folder.size());
    if (!checkedFile) {
        if (const int code = RegularFileCheck(oldPath); code != 0) {
            if (code != EINVAL) {
                return FailureFromCode(oldPath, code, what);
            }
            return TFileFailure{oldPath, EINVAL, TFailureReason::None,
                                what + ": only regular files are renamed"};
        }
    }
    if (newPath == oldPath) {
        return std::nullopt;
    }
    if (Options.LimitTo64 && !FitsNameLimit(newPath)) {
        return FailureFromReason(newPath, TFailureReason::NameTooLong,
                                 "name longer than 64 characters: " +
                                     std::to_string(NewNameLength(newPath)));
    }
    if (LeavesFolder(expanded)) {
        return TFileFailure{oldPath, EINVAL, TFailureReason::None,
                            what + ": \"..\" would leave the folder"};
    }
    if (NamePart(newPath) == ".mp3") {
        return TFileFailure{oldPath, EINVAL, TFailureReason::None,
                            what + ": the name would be empty"};
    }
    if (const int code = NewPathCheck(folder, newPath.substr(folder.size()), Options.DryRun);
        code != 0) {
        return FailureFromCode(oldPath, code, what);
    }
    return std::nullopt;
}

TFileOutcome TMacroRenamer::Plan(const std::string& oldPath, const std::string& newPath)
{
    struct stat info = {};
    const bool onDisk = lstat(newPath.c_str(), &info) == 0 && !Freed.contains(newPath);
    if (onDisk || Taken.contains(newPath)) {
        return TFileOutcome::Refusal(
            FailureFromReason(oldPath, TFailureReason::TargetExists, "another file has that name"));
    }
    Taken.insert(newPath);
    Freed.insert(oldPath);
    Taken.erase(oldPath);
    return {};
}
