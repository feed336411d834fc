#pragma once

#include "engine/change_intent.h"
#include "engine/file_failure.h"
#include "engine/id3v2_edit.h"
#include "engine/tag_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Changing the ID3v2 tag at the head of a file. TagLib renders the tag's bytes; the file is
// changed here: in place when the new tag fits the old one and its padding (the rest of the
// file does not move), otherwise by writing the whole file anew beside the original under a
// hidden name, syncing it and renaming it over the original. Either way a stop at any moment
// leaves the old file or the new one, never a mix of the two, apart from a stop in the middle of
// the in-place write, which the undo journal (holding the old head first) puts right.

// The zero bytes given to a tag that has to move the audio, so that later edits fit in place.
inline constexpr std::size_t Id3v2NewPadding = 4096;

// The head region of a file that starts with `head` (as much of its start as was read): the
// tag's header, frames, padding and a 2.4 footer; 0 when the file starts with no tag.
std::size_t Id3v2RegionLength(const std::uint8_t* head, std::size_t size);

// Reads the head region of the open file into `region` (empty without a tag): 0 or the errno
// value; EILSEQ when the tag claims more bytes than the file holds (a damaged tag).
int ReadId3v2Region(int fd, std::string& region);

// The change of the head that the edit makes to a file whose head region is `region`: nothing
// when the edit changes no value (`code` 0), or when the tag cannot be read (`code` EILSEQ). The
// new region keeps the old region's length when the tag fits it.
std::optional<THeadChange> PlanId3v2Change(std::string region, const TId3v2Edit& edit, int& code);
// The same for the open file: its head region read (ReadId3v2Region), then planned; `code` also
// the errno value of a failed read.
std::optional<THeadChange> PlanId3v2Change(int fd, const TId3v2Edit& edit, int& code);

// Makes `head` of the file `open` holds (locked, named `path`): in place when the lengths agree,
// else by writing the file anew beside it, which keeps its mode, owner, group and access time
// (the modification time becomes the present one, as for any write) and is refused for a file
// with several hard links (EMLINK: it would part them). Afterwards `open` holds the file, locked.
// 0 or the errno value; `why` tells more where the code alone would not.
int ChangeHead(TOpenTagFile& open, const std::string& path, const THeadChange& head,
               std::string& why);

// Removes what a write anew of the file at `path` left when it was stopped before its rename.
void RemoveStoppedWrite(const std::string& path);

// The refusal of the file `path` with errno `code` from the calls above, its text after `what`.
TFileFailure HeadFailure(const std::string& path, const std::string& what, int code,
                         const std::string& why = {});
