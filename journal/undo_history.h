#pragma once

#include "journal/journal_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A kept batch as the undo history lists it.
struct TUndoHistoryEntry
{
    int Number = 0;
    std::string Kind; // "write", "rename", ...; "damaged: " and why for an unreadable batch file
    std::int64_t Time = 0; // seconds since 1970 (UTC)
    std::size_t Files = 0; // the files the batch changed
    std::string Folder;    // the folder that holds them all
    bool Undoable = false; // readable, and it changed a file
};

// The kept batches of the journal folder, newest first.
std::vector<TUndoHistoryEntry> UndoHistory(const std::string& journalFolder);

// The deepest folder that holds every file the batch changed (every file of the batch when it
// changed none), without a trailing "/" except for the root; empty for a batch without files.
std::string BatchFolder(const TJournalBatch& batch);

// "write, 12 files", "clear, 1 file".
std::string BatchSummary(std::string_view kind, std::size_t files);
