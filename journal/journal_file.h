#pragma once

#include "engine/tag_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The undo journal: one file per batch in the journal folder, named by the batch's number
// ("000042.journal", numbers rising), the newest JournalKeep kept.
//
// A batch file is text in lines ending in "\n", fields parted by one space:
//
//   cantrel-journal 1
//   kind KIND                      write, clear, rename, extract, undo, ...
//   time SECONDS                   when the batch began, seconds since 1970 (UTC)
//   files N
//   f PATH STATE                   N lines: every file of the batch as it was before
//   d INDEX STATE [NEWPATH [FOLDER]...]
//                                  one line per changed file, after the change: what the batch
//                                  left, and for a move the new path and the folders made for it
//
// STATE is "SIZE MTIME TRAILER": the size in bytes (-1 when there was no file), the modification
// time in nanoseconds since 1970, and the last 128 bytes when they are a tag trailer ("-" when
// not). Paths and trailers are stored as their bytes, except that a byte up to a space, "%" and
// 0x7F are written "%XX" (two upper-case hex digits), so that any file name survives, and a run
// of 2 to 255 zero bytes is written "%zXX" (XX the count). Paths are absolute.
//
// The first four lines and the "f" lines are written to a hidden file, flushed to the disk and
// only then given the batch's name, so a batch that is listed was recorded whole before any file
// was touched. "d" lines follow each file; a last line without its "\n" (the program stopped while
// writing it) is ignored, and so is everything from the first zero byte on (room reserved for
// marks that a stopped batch never filled).

inline constexpr int JournalKeep = 20;
// The highest batch number: a journal that got there names no further batch.
inline constexpr int JournalLastNumber = 999999999;

struct TJournalEntry
{
    std::string Path; // absolute
    TFileState Before;
    bool Done = false; // changed by the batch: the fields below hold
    TFileState After;
    std::string NewPath; // where a moved file went; empty when it stayed
    std::vector<std::string> NewFolders;
};

struct TJournalBatch
{
    int Number = 0;
    std::string Kind;
    std::int64_t Time = 0;
    std::vector<TJournalEntry> Entries;
    std::string Damage; // why the file cannot be read; empty when it is whole

    std::size_t DoneCount() const;
};

// The journal folder: "$XDG_STATE_HOME/Velmor/Cantrel/journal", or below "$HOME/.local/state"
// when the first is unset or not absolute; empty when neither is known.
std::string JournalFolder(const char* stateHome, const char* home);

// The batch files of the folder, newest first (by number); empty when there is no folder. Any
// entry with a batch file's name is listed, whatever it is: reading it tells what is wrong with it.
std::vector<std::string> JournalFiles(const std::string& folder);

// The batch number a batch file's name gives: 1..JournalLastNumber, written as the journal names
// its files (at least six digits, leading zeros only up to six); 0 for any other name.
int JournalNumber(const std::string& file);

// Removes the batch files beyond the newest JournalKeep.
void PruneJournal(const std::string& folder);

// Reads one batch file; a file that does not follow the format, or that is no regular file (a
// pipe, a folder, a link), gives a batch with Damage set.
TJournalBatch ReadJournalBatch(const std::string& file);

// The lines of the format, for the writer.
std::string JournalHeader(std::string_view kind, std::int64_t time, std::size_t files);
// Appends the "f" line of a file to `out`.
void AppendFileLine(std::string& out, const std::string& path, const TFileState& state);
// Appends the "d" line of file `index` to `line`.
void AppendDoneLine(std::string& line, std::size_t index, const TJournalEntry& entry);
