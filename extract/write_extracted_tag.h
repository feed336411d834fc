#pragma once

#include "engine/file_failure.h"
#include "engine/yield.h"
#include "extract/extract_values.h"

#include <optional>
#include <string>

// Writes the values of a run into the tag of the file it was made on. Empty values never
// overwrite; the preserve mode keeps the fields the formula does not set, the clear mode empties
// title, artist, album, year and comment but keeps track and genre. Texts are cut to 30
// characters (year 4); a track value is stored in its low 8 bits, and one that is not a number
// leaves the old track. "_TRASH" values are never written. Nothing when the tag was written;
// otherwise why not ("not written: ..."), the file unchanged: no file at the path, no MPEG audio
// recognised (its tag cannot be read, so nothing is written) or the errno value of the write.
// The tag is read and written in `codePage`.
std::optional<TFileFailure> WriteExtractedTag(const std::string& fullPath,
                                              const TTagFormula& formula,
                                              const TFieldValues& values, bool preserveOtherTag,
                                              const TYieldFn& yield = {},
                                              const TTagCodePage& codePage = DefaultTagCodePage);
