#pragma once

#include "batch/batch_run.h"
#include "batch/tag_write.h"
#include "engine/id3v2_tag.h"
#include "engine/yield.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TMPEGAudio;

// What the fields of an ID3v2 tag give an ID3v1 tag:
//  - a text: its first 30 characters (characters the tags' code page lacks become "?" when the
//    tag is written);
//  - the year: the first four characters of the date when they are digits ("2001-05-02": 2001);
//  - the track: the number before any "/" ("3/12": 3), when it is 0..255;
//  - the genre: "(N)" or "N" as the genre number N, else a genre name matched ignoring case.
// A field the ID3v2 tag lacks, or one that fits no rule, is not edited: the file keeps its own.
TTagEdits Id3v1EditsFromId3v2(const TId3v2Fields& fields);

// The fields (title .. track) in which a file's two tags disagree. A field the ID3v2 tag holds
// disagrees when it gives the ID3v1 tag, as copying takes it over (cut, and through the code
// page), another value than the ID3v1 tag holds, or none that ID3v1 can hold (a genre name no
// genre has); a field it lacks disagrees when the ID3v1 tag has a value there. A file without an
// ID3v1 tag (`id3v1` empty) has a value in none of its fields.
std::array<bool, 7> FieldsDisagreeing(const std::optional<TTagRecord>& id3v1,
                                      const TId3v2Fields& id3v2, const TTagCodePage& codePage);

// For an edit of the ID3v2 tag that goes with writing `written` into the ID3v1 tag
// (TId3v2Edit::Keeps): an ID3v2 value stays where it agrees with the ID3v1 tag as it reads back
// (FieldsDisagreeing), so that a title longer than ID3v1 holds, a full date, or characters the
// code page lacks are not cut down to what the ID3v1 tag keeps of them.
std::function<bool(std::size_t, const std::string&)> KeepsAgreeing(const TTagRecord& written,
                                                                   const TTagCodePage& codePage);

// What copying did to one file: Done (written, or in a dry run about to be), Unchanged (the ID3v1
// tag already holds the values, or there is no ID3v2 tag: then NoId3v2), or Refused with why.
struct TId3v2CopyOutcome
{
    TFileOutcome Outcome;
    bool NoId3v2 = false;
};

// Writes the file's ID3v1 tag from its ID3v2 tag, keeping the ID3v1 fields the ID3v2 tag does not
// give (for a file without an ID3v1 tag, the values an untagged file reads as). Only the trailer
// is written: the ID3v2 tag and the audio stay as they are. A dry run writes nothing but refuses
// what the write would refuse, a read-only file too. A text with characters the code page cannot
// hold is refused (Unencodable) unless `lossy` lets them be written as "?".
TId3v2CopyOutcome CopyId3v2ToId3v1(TMPEGAudio& audio, const std::string& path, bool dryRun,
                                   const TYieldFn& yield = {}, bool lossy = false);

// How many of the files have an ID3v2 tag; `yield` is called before each file.
std::size_t CountId3v2Tags(const std::vector<std::string>& paths, const TYieldFn& yield = {});
