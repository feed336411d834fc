#pragma once

#include "catalogue/html_failure.h"
#include "catalogue/html_progress.h"
#include "catalogue/html_song.h"
#include "catalogue/page_values.h"

#include <string>

// Writes one page per song, htmlFolder + "Tags/" + its PageFileName, from the template
// templateFolder + "_tags.htm": each template line after one substitution pass for that song.
// Both folders end in "/". Pages that cannot be written, a missing template and a Tags folder
// that cannot be made are added to the failures and skipped. Nothing happens for an empty table.
void WriteTagPages(const THtmlSongTable& songs, const TPageValues& page,
                   const std::string& templateFolder, const std::string& htmlFolder,
                   THtmlProgress& progress, THtmlFailures& failures);
