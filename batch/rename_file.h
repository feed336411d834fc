#pragma once

#include "batch/batch_run.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The new full path a file-name macro gives a file: the file's folder with a final "/", the
// expanded macro with every "\" read as "/" (each starts a subfolder, as in stored macros), and
// ".mp3". Separators at the start of the expansion are dropped: the new path always lies below
// the file's own folder, never at the top of the file system.
std::string RenameTarget(std::string_view oldPath, std::string_view expandedMacro);

// True when a folder the expanded macro names is "..": the file would leave its folder, so the
// rename is refused (a tag text such as ".." must not move files elsewhere).
bool LeavesFolder(std::string_view expandedMacro);

// True when the name part of a new path (extension included) has at most 64 characters, the
// longest a CD takes.
bool FitsNameLimit(std::string_view newPath);

// Moves the file to the new path, creating the missing folders of the new path first (parents
// first). It never replaces a file: an existing target refuses the rename (TargetExists). Only a
// regular file (or a link to one) is moved, under the lock a change takes; with `seen` (what the
// read that gave its new name saw) only when it is still so, else it is refused (ChangedSince).
// Any failure leaves the file under its old name and removes the folders this call created that
// stay empty. An empty old path, or a new path equal to the old one, is Unchanged.
TFileOutcome RenameOneFile(const std::string& oldPath, const std::string& newPath,
                           const std::optional<TFileState>& seen = std::nullopt);

// For tests: with true, every rename acts as on a file system without the no-replace rename, so
// that the fallback runs; false restores the normal way.
void SimulateNoReplaceRenameMissing(bool missing);
