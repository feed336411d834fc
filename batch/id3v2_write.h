#pragma once

#include "batch/batch_run.h"
#include "batch/tag_write.h"
#include "engine/id3v2_edit.h"
#include "engine/tag_record.h"
#include "engine/yield.h"

#include <string>

class TMPEGAudio;

// What a write of `edits` does to the ID3v2 tag: the texts as given, the genre by its name, the
// track as its number. An empty text, track 0 and a genre without a name remove the field's frame,
// as they leave the ID3v1 field empty. `written` is the ID3v1 tag the write leaves, in `codePage`:
// a value of the ID3v2 tag that agrees with it stays (KeepsAgreeing).
TId3v2Edit Id3v2EditFromEdits(const TTagEdits& edits, const TTagRecord& written,
                              const TTagCodePage& codePage);

// What an ID3v1 tag gives the ID3v2 tag: its texts without the trailing blanks, the year, the genre
// by name and the track, where the ID3v2 tag disagrees with it. An empty field, genre 255 and
// track 0 are not edited: the ID3v2 tag keeps its own value there.
TId3v2Edit Id3v2EditFromTag(const TTagRecord& tag, const TTagCodePage& codePage);

// What copying did to one file: Done (written, or in a dry run about to be), Unchanged (the ID3v2
// tag already holds the values, or there is no ID3v1 tag: then NoId3v1), or Refused with why.
struct TId3v1CopyOutcome
{
    TFileOutcome Outcome;
    bool NoId3v1 = false;
};

// Writes the file's ID3v2 tag from its ID3v1 tag (making a 2.4 tag when it has none); the ID3v1
// tag and the audio stay as they are. A dry run writes nothing but refuses what the write would
// refuse: an unreadable ID3v2 tag, a read-only file.
TId3v1CopyOutcome CopyId3v1ToId3v2(TMPEGAudio& audio, const std::string& path, bool dryRun,
                                   const TYieldFn& yield = {});
