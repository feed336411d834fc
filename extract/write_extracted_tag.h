#pragma once

#include "engine/yield.h"
#include "extract/extract_values.h"

#include <string>

enum class TExtractWriteStatus
{
    Written,
    Missing,     // no file at the path
    NotAudio,    // no MPEG audio recognised: its tag cannot be read, so nothing is written
    WriteFailed, // the file could not be written (Code holds the errno value); it is unchanged
};

struct TExtractWriteResult
{
    TExtractWriteStatus Status = TExtractWriteStatus::Written;
    int Code = 0; // the result of WriteTag: 0, -1 (missing) or the errno value
};

// Writes the values of a run into the tag of the file it was made on. Empty values never
// overwrite; the preserve mode keeps the fields the formula does not set, the clear mode empties
// title, artist, album, year and comment but keeps track and genre. Texts are cut to 30
// characters (year 4); a track value is stored in its low 8 bits, and one that is not a number
// leaves the old track. "_TRASH" values are never written.
TExtractWriteResult WriteExtractedTag(const std::string& fullPath, const TTagFormula& formula,
                                      const TFieldValues& values, bool preserveOtherTag,
                                      const TYieldFn& yield = {});
