#include "batch/macro_rename.h"

#include "batch/locked_change.h"
#include "batch/rename_file.h"
#include "engine/format_items.h"
#include "engine/path_parts.h"
#include "workspace/display_texts.h"

#include <cerrno>
#include <sys/stat.h>
#include <utility>

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
        name =
            TNameReadAhead::TName{FormatItems(Audio, Macro, Regional), SeenByRead(Audio.FileState)};
    }
    const std::string& expanded = name->Expanded;
    TRenameOutcome result{RenameTarget(oldPath, expanded), {}};
    const std::string& newPath = result.NewPath;
    const std::string what = "cannot rename to " + expanded + ".mp3";

    const bool tooLong = Options.LimitTo64 && !FitsNameLimit(newPath);
    const bool leaves = LeavesFolder(expanded);
    if (!Options.DryRun && newPath != oldPath && !tooLong && !leaves) {
        // it finds a vanished file itself
        result.Outcome = RenameOneFile(oldPath, newPath, name->Seen);
        return result;
    }
    struct stat info = {};
    if (lstat(oldPath.c_str(), &info) != 0) {
        const int code = errno == ENOENT || errno == ENOTDIR ? -1 : errno;
        result.Outcome = TFileOutcome::Refusal(FailureFromCode(oldPath, code, what));
    } else if (newPath == oldPath) {
        result.Outcome = {TFileStatus::Unchanged, {}};
    } else if (S_ISDIR(info.st_mode)) {
        // a folder where the file was: the move refuses it, so a dry run does too
        result.Outcome = TFileOutcome::Refusal(FailureFromCode(oldPath, EISDIR, what));
    } else if (tooLong) {
        result.Outcome = TFileOutcome::Refusal(FailureFromReason(
            newPath, TFailureReason::NameTooLong,
            "name longer than 64 characters: " + std::to_string(NewNameLength(newPath))));
    } else if (leaves) {
        result.Outcome = TFileOutcome::Refusal(
            {oldPath, EINVAL, TFailureReason::None, what + ": \"..\" would leave the folder"});
    } else {
        result.Outcome = Plan(oldPath, newPath);
    }
    return result;
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
