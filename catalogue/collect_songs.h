#pragma once

#include "catalogue/html_failure.h"
#include "catalogue/html_progress.h"
#include "catalogue/html_song.h"
#include "engine/yield.h"

#include <string>
#include <vector>

// Fills the table with one entry per path, in order, analysing each file with one reader.
// Progress shows "i / N" per song; `yield` runs inside each file's frame search. A file that
// cannot be read gets whatever the reader gives for it; one that does not exist is also added to
// the failures.
void CollectSongs(const std::vector<std::string>& paths, THtmlSongTable& songs,
                  THtmlProgress& progress, const TYieldFn& yield, THtmlFailures& failures);
