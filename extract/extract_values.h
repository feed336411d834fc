#pragma once

#include "engine/tag_record.h"
#include "engine/yield.h"
#include "extract/tag_formula.h"
#include "extract/value_rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The slots of the all-tags preview, in the order it lists them.
enum class TPreviewSlot
{
    Track,
    Title,
    Artist,
    Album,
    Year,
    Comment,
    Trash,
};

inline constexpr std::size_t PreviewSlotCount = 7;

// What a run would leave in the tag: the extracted values, and in the preserve mode the file's
// own values for the fields the formula does not set.
struct TPreviewTag
{
    std::array<std::string, PreviewSlotCount> Slots;
    // which slots hold an extracted value
    std::array<bool, PreviewSlotCount> Extracted{};

    std::string& operator[](TPreviewSlot slot) { return Slots[static_cast<std::size_t>(slot)]; }
    const std::string& operator[](TPreviewSlot slot) const
    {
        return Slots[static_cast<std::size_t>(slot)];
    }
};

// Shown in the tag slots the run has not set, until the file's values replace it.
inline constexpr std::string_view PreviewUnsetMarker = "_none_";

// The slot a field fills; nothing for an index without a name.
std::optional<TPreviewSlot> PreviewSlotOf(TTagField field);

// Puts the file's values into the six tag slots that hold no extracted value; the track as a
// decimal number, the texts as they are.
void FillFromTag(TPreviewTag& preview, const TTagRecord& tag);

// The seven preview lines: "Track Nr = " with the first 2 characters of the track, "Title    = "
// and the others with 30, "Year     = " with 4; an empty slot gives the label alone.
std::vector<std::string> AllTagsLines(const TPreviewTag& preview);

// The options of the extraction window that shape a run.
struct TExtractOptions
{
    TReplacePairs ReplacePairs;
    bool AutoTrimSpaces = false;
    TCaseMode CaseMode = TCaseMode::cmNone;
    // preserve: fields the formula does not set keep the file's values; clear: they are emptied
    bool PreserveOtherTag = true;
    // the code page the file's tag is read in for the fields the formula does not set
    TTagCodePage CodePage = DefaultTagCodePage;
};

using TFieldValues = std::array<std::string, FormulaFieldCount>;

// The result of running a formula on one text.
struct TFormulaRun
{
    // Values[k] belongs to Field[k]; a field the chain does not reach is empty.
    TFieldValues Values;
    // how many fields the chain extracted, 1..6
    int FieldCount = 0;
    // one line per extracted field: the field name padded to nine characters, "=", the value
    std::vector<std::string> ExtractedLines;
    TPreviewTag PreviewTag;
};

// Runs the formula on the text without looking at any file: in the preserve mode the tag slots
// the formula does not set hold "_none_" (see RunFormula for the file's values).
TFormulaRun ExtractValues(std::string_view extractionText, const TTagFormula& formula,
                          const TExtractOptions& options);

// Runs the formula on the extraction text of one file. In the preserve mode the preview's tag
// slots that the formula does not set show the file's current values, read from `fullPath` (the
// values of an untagged or missing file when it has none); the clear mode reads no file.
TFormulaRun RunFormula(std::string_view extractionText, const TTagFormula& formula,
                       const TExtractOptions& options, const std::string& fullPath,
                       const TYieldFn& yield = {});

// True when a batch must list the file as not processed correctly: one of the fields the run
// extracted came out empty, or a track value is not a number (the file keeps its old track).
bool NotProcessedCorrectly(const TTagFormula& formula, const TFormulaRun& run);
