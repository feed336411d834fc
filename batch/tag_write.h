#pragma once

#include "batch/batch_run.h"
#include "engine/code_page.h"
#include "engine/tag_record.h"
#include "engine/yield.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TId3v2Reading;

class TMPEGAudio;

// The fields a write replaces; a field without a value keeps what the file holds.
struct TTagEdits
{
    std::optional<std::string> Title;
    std::optional<std::string> Artist;
    std::optional<std::string> Album;
    std::optional<std::string> Year;
    std::optional<std::string> Comment;
    std::optional<std::uint8_t> Genre;
    std::optional<std::uint8_t> Track;

    bool operator==(const TTagEdits&) const = default;
};

// The fields of a tag an edit names.
enum class TEditField
{
    Title,
    Artist,
    Album,
    Year,
    Comment,
    Genre,
    Track,
};

// One field of an edit as the user typed or chose it, and whether it is written at all: a field
// not written keeps what the file holds.
struct TFieldText
{
    TEditField Field = TEditField::Title;
    std::string Text;
    bool Write = true;
};

// The genre a chosen genre name means (GenreNameOf): the genre whose name is exactly that text
// (case counts). Nothing when no genre has that name: the file keeps its genre.
std::optional<std::uint8_t> GenreFromChosenName(std::string_view text);

// The track a typed text gives: a decimal number 0..255, spaces around it allowed. Any other
// text, a blank one included, gives 0.
std::uint8_t TrackOrZero(std::string_view text);

// What a write of the fields changes: texts cut to 30 characters (year 4), the genre and track
// by the two rules above. A field named twice takes its last text.
TTagEdits TagEditsFromTexts(const std::vector<TFieldText>& texts);

// Reads the file, replaces the edited fields, keeps the others as read and writes the tag. A file
// whose audio is not recognised is refused (NotAudio): its tag was never read, so writing would
// put defaults over a trailer it may have. A refused file is left as it was.
TFileOutcome WriteTagToFile(const std::string& path, const TTagEdits& edits,
                            const TYieldFn& yield = {},
                            const TTagCodePage& codePage = DefaultTagCodePage);
// The same with an analysis object that a batch passes to every file, so that what it keeps
// between files (the volume label) is looked up once, not per file. The tag is read and written
// in the analysis object's code page.
TFileOutcome WriteTagToFile(TMPEGAudio& audio, const std::string& path, const TTagEdits& edits,
                            const TYieldFn& yield = {});
// WriteTagToFile in two parts for RunBatch: the read analyses the file and builds its new
// trailer (or its refusal), the change writes the trailer; with `id3v2` also the edited fields
// of the ID3v2 tag (see Id3v2EditFromEdits), in the same step.
TFileChange ReadForTagWrite(TMPEGAudio& audio, const std::string& path, const TTagEdits& edits,
                            const TYieldFn& yield = {}, bool id3v2 = false);

// The two halves of WriteTagToFile, for a batch that decides per file what to write from what
// the file holds. AnalyseForWrite reads the file into `audio` and gives the refusal when its tag
// may not be written (missing, or NotAudio as above); given `id3v2`, it also reads the file's ID3v2
// tag there, from the same open. WriteAnalysedTag then writes `tag` over the
// trailer of the file `audio` has analysed: every batch's tag reaches the file here.
std::optional<TFileFailure> AnalyseForWrite(TMPEGAudio& audio, const std::string& path,
                                            const TYieldFn& yield = {},
                                            TId3v2Reading* id3v2 = nullptr);
TFileOutcome WriteAnalysedTag(const TMPEGAudio& audio, const std::string& path,
                              const TTagRecord& tag);

// The tag with the edited fields replaced, texts cut to their limits.
TTagRecord EditedTag(TTagRecord tag, const TTagEdits& edits);

// Removes the tag of the file, whatever its audio; Unchanged when it had none. With `id3v2`, also
// the seven fields' frames of its ID3v2 tag.
TFileOutcome ClearTagOfFile(const std::string& path, bool id3v2 = false);
