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
// recognised (its tag cannot be read, so nothing is written), a text with characters the code page
// cannot hold (Unencodable, unless `lossy` lets them be written as "?") or the errno value of the
// write. The tag is read and written in `codePage`. With `id3v2`, the fields the run sets (and
// those the clear mode empties) are also written into the ID3v2 tag, in the same step.
std::optional<TFileFailure> WriteExtractedTag(const std::string& fullPath,
                                              const TTagFormula& formula,
                                              const TFieldValues& values, bool preserveOtherTag,
                                              const TYieldFn& yield = {},
                                              const TTagCodePage& codePage = DefaultTagCodePage,
                                              bool lossy = false, bool id3v2 = false);

// The tag the values of a run make of a file's tag `tag`, by the rules of WriteExtractedTag.
TTagRecord ExtractedTag(TTagRecord tag, const TTagFormula& formula, const TFieldValues& values,
                        bool preserveOtherTag);

// True when the values of a run have a character the code page cannot hold, so that
// WriteExtractedTag refuses the file unless told to write it lossy. The file's own texts always
// fit, so no file is read.
bool ValuesLoseCharacters(const TTagFormula& formula, const TFieldValues& values,
                          const TTagCodePage& codePage);
