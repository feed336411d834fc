#pragma once

#include "catalogue/html_failure.h"
#include "catalogue/html_progress.h"
#include "catalogue/html_song.h"
#include "engine/date_time.h"
#include "engine/regional_settings.h"
#include "engine/yield.h"

#include <string>
#include <vector>

// What one catalogue run needs besides its files.
struct THtmlRunOptions
{
    std::string TemplateFolder; // the template tree ("HTML" beside the program)
    std::string HtmlPath;       // the chosen folder; the catalogue goes to HtmlPath + "HTML/"
    TRegionalSettings Regional; // day and month names of "var_date_time"
    TDateTime Now;              // the time "var_date_time" shows
};

struct THtmlRunResult
{
    // Set when the run was refused before anything was written; the message for the user.
    std::string Refusal;
    // What the run could not do; everything else was done.
    THtmlFailures Failures;
};

// The catalogue folder of a chosen target: HtmlPath + "HTML/".
std::string CatalogueFolder(const std::string& htmlPath);

// One catalogue run over the files in list order: copies the template tree to the catalogue
// folder, reads every file into `songs` (replacing what it held), then writes a tag page per
// song and the songs page. A target whose catalogue folder overlaps the template folder is
// refused and nothing is written. Failures are collected, never thrown.
THtmlRunResult GenerateHtmlCatalogue(const std::vector<std::string>& paths,
                                     const THtmlRunOptions& options, THtmlSongTable& songs,
                                     THtmlProgress& progress, const TYieldFn& yield = {});
