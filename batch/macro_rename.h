#pragma once

#include "batch/batch_run.h"
#include "batch/name_read_ahead.h"
#include "engine/mpeg_audio.h"
#include "engine/regional_settings.h"
#include "engine/yield.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct TRenameOptions
{
    bool LimitTo64 = false; // refuse names over 64 characters (NameTooLong)
    bool DryRun = false;    // decide every file but touch nothing, not even a folder
    TTagCodePage CodePage = DefaultTagCodePage; // the code page the tags are read in
};

struct TRenameOutcome
{
    std::string NewPath;
    // Done: renamed, or in a dry run ready to be. A name over the limit is refused with the new
    // path as the failure's path (the error list shows the new name under its folder); every other
    // refusal names the old path.
    TFileOutcome Outcome;
};

// Renames the files of one batch from a file-name macro: each file is analysed (unless the macro
// needs only the path), the macro is expanded against it (a "/" or "\" in a value becomes "-") and
// the file moved to the new name below its folder. Only regular files are renamed, never to an
// empty name (".mp3"). Two files of one batch that would get the same name: the first is renamed,
// the second refused. A dry run keeps track of the names it has handed out and given up, so it
// predicts the same.
class TMacroRenamer
{
public:
    TMacroRenamer(std::string macro, TRegionalSettings regional, TRenameOptions options);

    // Reads the files of a batch about to be renamed in this order on a second thread, ahead of
    // the renames (nothing for a macro that needs no file read).
    void ReadAhead(std::vector<std::string> paths);

    TRenameOutcome Rename(const std::string& oldPath, const TYieldFn& yield = {});

private:
    // Why the file must not be renamed to `newPath`, or nothing: not a regular file, a name over
    // the limit, a ".." folder, an empty name, a path the system cannot hold (and in a dry run
    // what the making of its folders would meet).
    std::optional<TFileFailure> RenameRefusal(const std::string& oldPath,
                                              const std::string& newPath,
                                              const std::string& expanded, bool checkedFile) const;
    // What a dry run says of a ready rename.
    TFileOutcome Plan(const std::string& oldPath, const std::string& newPath);

    TMPEGAudio Audio; // one for the batch: it keeps the volume label between files
    std::string Macro;
    bool ReadsFile; // false: the macro needs only each file's path, and no file is read
    TRegionalSettings Regional;
    TRenameOptions Options;
    std::set<std::string> Taken; // dry run: new names handed out
    std::set<std::string> Freed; // dry run: old names given up
    std::unique_ptr<TNameReadAhead> Ahead;
};
