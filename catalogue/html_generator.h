#pragma once

#include "catalogue/song_values.h"
#include "engine/code_page.h"
#include "engine/date_time.h"
#include "engine/file_failure.h"
#include "engine/regional_settings.h"
#include "engine/yield.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where a catalogue run reports its progress; the window passes its progress window, the
// command line its standard error. Every operation does nothing unless overridden.
class THtmlProgress
{
public:
    virtual ~THtmlProgress() = default;

    // The songs are being read (Show) or the run is over (Hide).
    virtual void Show() {}
    virtual void Hide() {}

    virtual void Range(std::size_t /*range*/) {}
    virtual void Position(std::size_t /*position*/) {}
    virtual void Text(const std::string& /*text*/) {}
    // Shows what Range, Position and Text set.
    virtual void Refresh() {}

    // `count` tag pages of this run are written.
    virtual void TagPagesWritten(std::size_t /*count*/) {}
};

// Why a run must not write into htmlFolder with templates from templateFolder: the two are the
// same folder, or one lies inside the other, so generated pages would overwrite templates or be
// copied as templates. "" when they are apart. Symbolic links are followed.
std::string TargetConflict(const std::string& templateFolder, const std::string& htmlFolder);

// Copies every file below templateFolder (hidden ones and subfolders included) to the same place
// below htmlFolder, replacing files of the same name, after creating htmlFolder + "Tags/". Both
// folders end in "/". A missing template folder copies nothing; each folder or file that
// cannot be made or copied is added to the failures and skipped, and so is a copy whose place
// holds a symbolic link, which is never followed. `yield` runs once per folder.
void CopyHtmlTemplates(const std::string& templateFolder, const std::string& htmlFolder,
                       const TYieldFn& yield, TFileFailures& failures);

// Fills the table with one entry per path, in order, analysing each file with one reader.
// Progress shows "i / N" per song; `yield` runs inside each file's frame search. A file that
// cannot be read gets whatever the reader gives for it; one that does not exist is also added to
// the failures. Tags are read in `codePage`.
void CollectSongs(const std::vector<std::string>& paths, THtmlSongTable& songs,
                  THtmlProgress& progress, const TYieldFn& yield, TFileFailures& failures,
                  const TTagCodePage& codePage = DefaultTagCodePage);

// Writes one page per song, htmlFolder + "Tags/" + its PageFileName, from the template
// templateFolder + "_tags.htm": each template line after one substitution pass for that song.
// Both folders end in "/". Pages that cannot be written, a missing template and a Tags folder
// that cannot be made are added to the failures and skipped. Nothing happens for an empty table.
void WriteTagPages(const THtmlSongTable& songs, const TPageValues& page,
                   const std::string& templateFolder, const std::string& htmlFolder,
                   THtmlProgress& progress, TFileFailures& failures);

inline constexpr std::string_view BeginRepetitionMarker = "<!-- begin_repetition -->";
inline constexpr std::string_view EndRepetitionMarker = "<!-- end_repetition -->";

// Writes htmlFolder + "_songs.htm" from the template templateFolder + "_songs.htm" (both folders
// end in "/"). Lines between a begin and an end marker line (exact whole lines) form a block
// that is written once per song in table order, each copy starting with an empty line (a later
// block stands alone). Without an end marker the template's last line follows the block. Every
// other line is written after one substitution pass with empty song values. A missing template
// or a page that cannot be written is added to the failures. Nothing happens for an empty table.
// True when the page was written whole.
bool WriteSongsPage(const THtmlSongTable& songs, const TPageValues& page,
                    const std::string& templateFolder, const std::string& htmlFolder,
                    TFileFailures& failures);

// What one catalogue run needs besides its files.
struct THtmlRunOptions
{
    std::string TemplateFolder; // the template tree ("HTML" beside the program)
    std::string HtmlPath;       // the chosen folder; the catalogue goes to HtmlPath + "HTML/"
    TRegionalSettings Regional; // day and month names of "var_date_time"
    TDateTime Now;              // the time "var_date_time" shows
    TTagCodePage CodePage = DefaultTagCodePage; // the code page the songs' tags are read in
};

struct THtmlRunResult
{
    // Set when the run was refused before anything was written; the message for the user.
    std::string Refusal;
    // What the run could not do; everything else was done.
    TFileFailures Failures;
    // The songs page was written whole.
    bool SongsPageWritten = false;
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
