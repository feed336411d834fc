#pragma once

#include "engine/head_delta.h"
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
//   cantrel-journal 2              (1 in files of older versions, which hold no "i", "n", "e"
//                                  or "undoes" lines)
//   kind KIND                      write, clear, rename, extract, undo, ...
//   time SECONDS                   when the batch began, seconds since 1970 (UTC)
//   undoes NUMBER                  only in an undo: the batch it takes back
//   files N
//   f PATH STATE                   N lines: every file of the batch as it was before
//   i INDEX SIZE TRAILER STATE [NEWPATH [FOLDER]...]
//                                  before file INDEX is changed: the size and trailer it will
//                                  have (SIZE -1: the bytes stay; TRAILER "-": not known ahead),
//                                  its state just before (SIZE -1: as its "f" line) and for a
//                                  move the new path and the folders made for it
//   d INDEX STATE [NEWPATH [FOLDER]...]
//                                  after the change: what the batch left, and for a move the new
//                                  path and the folders made for it
//   h INDEX NEWLENGTH OLDHEAD      just before the "i" line of a change of the file's head (its
//                                  ID3v2 tag): the first bytes it had ("-": none) that the new
//                                  NEWLENGTH bytes replace; "@" when they are kept in the file
//                                  "BATCHFILE.head-INDEX" beside the batch file instead (a head
//                                  longer than JournalHeadLimit)
//   h INDEX NEWLENGTH MIDDLE PREFIX SUFFIXAT SUFFIX ZEROS OLDSUM
//                                  the same, the old head told by where it differs from the new
//                                  one (THeadDelta): MIDDLE its own bytes ("-": none), the
//                                  numbers in decimal, the old head's sum in hexadecimal
//   n INDEX                        the change announced by "i" was refused: the file is as it was
//   e                              the batch ran to its end (not killed)
//
// STATE is "SIZE MTIME TRAILER": the size in bytes (-1 when there was no file), the modification
// time in nanoseconds since 1970, and the last 128 bytes when they are a tag trailer ("-" when
// not). Paths and trailers are stored as their bytes, except that a byte up to a space, "%" and
// 0x7F are written "%XX" (two upper-case hex digits), so that any file name survives, and a run
// of 2 to 255 zero bytes is written "%zXX" (XX the count). Paths are absolute; a relative one
// makes the file damaged.
//
// The heading and the "f" lines are written to a hidden file, flushed to the disk and only then
// given the batch's name, so a batch that is listed was recorded whole before any file was
// touched. The other lines follow as the files are changed; a last line without its "\n" (the
// program stopped while writing it) is ignored, and so is everything from the first zero byte on
// (room reserved for lines that a stopped batch never filled).

inline constexpr int JournalKeep = 20;
// The longest old head an "h" line holds itself.
inline constexpr std::size_t JournalHeadLimit = 256 * 1024;
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
    // The change announced before it was made ("i" line): Intended and not Refused, the file
    // may have been changed even without a done mark. The fields mean what TChangeIntent's do.
    bool Intended = false;
    bool Refused = false;
    std::int64_t IntentSize = -1;
    std::optional<TTagTrailer> IntentTrailer;
    TFileState IntentBefore; // Size -1: as Before
    std::string IntentPath;
    std::vector<std::string> IntentFolders;
    // The head's change ("h" line): its old bytes, the file that keeps them, or how they differ
    // from the new ones, and the length of the bytes that replace them.
    bool HeadChanged = false;
    std::string HeadOld;
    std::string HeadCopy;
    std::optional<THeadDelta> OldHeadDelta;
    std::int64_t HeadNewLength = 0;

    // What the file was before this batch changed it: the state seen just before the change
    // when there is one (a file listed twice was changed by its first entry meanwhile).
    const TFileState& StateBefore() const { return IntentBefore.Size >= 0 ? IntentBefore : Before; }
    // Changed by the batch, or perhaps changed: the batch stopped between intent and mark.
    bool MayBeChanged() const { return Done || (Intended && !Refused); }
};

struct TJournalBatch
{
    std::string File; // the batch file it was read from
    int Number = 0;
    std::string Kind;
    std::int64_t Time = 0;
    std::vector<TJournalEntry> Entries;
    std::string Damage;   // why the file cannot be read; empty when it is whole
    int Undoes = 0;       // for an undo: the batch it takes back
    bool Finished = true; // false when the batch stopped before its end (killed)

    std::size_t DoneCount() const;
    // The files the batch changed or may have changed (see TJournalEntry::MayBeChanged).
    std::size_t ChangedCount() const;
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
// `undoes`: the batch an undo takes back, 0 for any other batch.
std::string JournalHeader(std::string_view kind, std::int64_t time, std::size_t files,
                          int undoes = 0);
// Appends the "f" line of a file to `out`.
void AppendFileLine(std::string& out, const std::string& path, const TFileState& state);
// Appends the "d" line of file `index` to `line`.
void AppendDoneLine(std::string& line, std::size_t index, const TJournalEntry& entry);
// Appends the "i" line of file `index` (from the entry's Intent fields) to `line`.
void AppendIntentLine(std::string& line, std::size_t index, const TJournalEntry& entry);
// Appends the "h" line of file `index`: the old head told by `delta`, or with `inCopy` kept in
// the copy.
void AppendHeadLine(std::string& line, std::size_t index, std::int64_t newLength,
                    const THeadDelta& delta, bool inCopy);
// The file beside the batch file that keeps file `index`'s old head.
std::string HeadCopyPath(const std::string& batchFile, std::size_t index);
// The "n" line of file `index`, and the line that ends a batch.
std::string RefusedLine(std::size_t index);
inline constexpr std::string_view JournalEndLine = "e\n";
