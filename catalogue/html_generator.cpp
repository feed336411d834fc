#include "catalogue/html_generator.h"

#include "catalogue/page_files.h"
#include "engine/analysis_read_ahead.h"
#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "scan/tree_scanner.h"
#include "workspace/batch_report.h"

#include <filesystem>

namespace {

constexpr const char* CopyFailed = "cannot copy template";

// The folder with its links resolved as far as it exists, ending in "/".
std::string ResolvedFolder(const std::string& folder)
{
    std::string full;
    MakeFullPath(folder, full);
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(full, error);
    return WithTrailingSlash(error ? full : resolved.string());
}

// Why a folder the system refuses is not used.
std::string FolderRefusal(const std::string& what, const std::string& folder, int error)
{
    return ErrorText("The " + what + " " + folder + " cannot be used", error) + ".";
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A folder the run writes into: made below the catalogue folder without following a link, and
// never in or around the template folder, however the system reaches it.
bool MakeRunFolder(const std::string& folder, const std::string& templateFolder,
                   const std::string& htmlFolder, TFileFailures& failures)
{
    if (!TargetConflict(templateFolder, folder).empty()) {
        AddOnce(failures,
                FailureFromReason(folder, TFailureReason::Other,
                                  "cannot create folder: it lies in or around the template folder "
                                  "and was left as it is"));
        return false;
    }
    return MakeFolder(folder, htmlFolder, failures);
}

constexpr std::string_view SongNameWord = "song_name_from_tags";
constexpr std::string_view SongsFileNameWord = "songs_file_name";

// A block line for one song. Block lines get extra passes, so that a link to the song's page and
// its name may appear twice on one line.
std::string ExpandBlockLine(const std::string& line, const THtmlSong& song, const TPageValues& page)
{
    std::string result = SubstituteLine(line, song, page);
    if (result.find(SongsFileNameWord) != std::string::npos) {
        result = SubstituteLine(result, song, page);
    }
    if (result.find(SongNameWord) != std::string::npos) {
        result = SubstituteLine(result, song, page);
    }
    return result;
}

void WriteBlock(const std::vector<std::string>& block, const THtmlSongTable& songs,
                const TPageValues& page, TPageWriter& writer)
{
    for (const THtmlSong& song : songs) {
        for (const std::string& line : block) {
            writer.WriteLine(ExpandBlockLine(line, song, page));
        }
    }
}

} // namespace

std::string TargetConflict(const std::string& templateFolder, const std::string& htmlFolder)
{
    const std::string templates = ResolvedFolder(templateFolder);
    const std::string pages = ResolvedFolder(htmlFolder);
    if (templates == pages) {
        return "The catalogue folder " + pages +
               " is the template folder: the pages would overwrite the templates. Choose another "
               "target folder.";
    }
    if (StartsWith(pages, templates)) {
        return "The catalogue folder " + pages + " lies inside the template folder " + templates +
               ": the pages would be copied as templates. Choose another target folder.";
    }
    if (StartsWith(templates, pages)) {
        return "The template folder " + templates + " lies inside the catalogue folder " + pages +
               ": the pages would overwrite the templates. Choose another target folder.";
    }
    return {};
}

void CopyHtmlTemplates(const std::string& templateFolder, const std::string& htmlFolder,
                       const TYieldFn& yield, TFileFailures& failures)
{
    MakeRunFolder(htmlFolder + "Tags/", templateFolder, htmlFolder, failures);
    std::error_code error;
    if (!std::filesystem::is_directory(templateFolder, error)) {
        failures.push_back(
            FailureFromReason(templateFolder, TFailureReason::Missing, "template folder missing"));
        return;
    }
    TTreeScanner scanner;
    scanner.FileMask = "*.*";
    scanner.Recursive = true;
    scanner.InitialDirectory = templateFolder;
    scanner.Yield = yield;
    scanner.OnFileFound = [&templateFolder, &htmlFolder, &failures](TTreeScanner& sender) {
        const std::string& source = sender.FileFound();
        // the scanner reports paths below its normalised InitialDirectory
        const std::string& root = sender.InitialDirectory;
        const std::string folder = FolderPart(source);
        const std::string relative =
            folder.compare(0, root.size(), root) == 0 ? folder.substr(root.size()) : std::string();
        const std::string targetFolder = htmlFolder + relative;
        if (!MakeRunFolder(targetFolder, templateFolder, htmlFolder, failures)) {
            return;
        }
        const std::string target = targetFolder + NamePart(source);
        std::error_code copyError;
        // a copy would go through a link to wherever it points, a template or any other file
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, copyError))) {
            failures.push_back(FailureFromReason(target, TFailureReason::LinkInTheWay,
                                                 std::string(CopyFailed) + ": " + SymlinkInTheWay));
            return;
        }
        if (std::filesystem::equivalent(source, target, copyError)) {
            failures.push_back(FailureFromReason(
                target, TFailureReason::Other, std::string(CopyFailed) + ": " + TemplateInTheWay));
            return;
        }
        std::filesystem::copy_file(source, target,
                                   std::filesystem::copy_options::overwrite_existing, copyError);
        if (copyError) {
            failures.push_back(FailureFromCode(source, copyError.value(), CopyFailed));
        }
    };
    scanner.StartSearch();
}

void CollectSongs(const std::vector<std::string>& paths, THtmlSongTable& songs,
                  THtmlProgress& progress, const TYieldFn& yield, TFileFailures& failures,
                  const TTagCodePage& codePage)
{
    const std::size_t count = paths.size();
    songs.clear();
    songs.reserve(count);
    progress.Range(count);
    TAnalysisReadAhead::TOptions options;
    options.CodePage = codePage;
    TAnalysisReadAhead files(paths, options);
    for (std::size_t i = 0; i < count; ++i) {
        progress.Position(i);
        progress.Text(ProgressText(static_cast<int>(i + 1), static_cast<int>(count)));
        progress.Refresh();
        const TFileAnalysis* analysis = files.Next(yield); // one for each path
        std::error_code error;
        if (!std::filesystem::exists(paths[i], error)) {
            failures.push_back(
                FailureFromReason(paths[i], TFailureReason::Missing, "file missing"));
        }
        songs.push_back(MakeHtmlSong(analysis->Audio, paths[i], i));
    }
}

void WriteTagPages(const THtmlSongTable& songs, const TPageValues& page,
                   const std::string& templateFolder, const std::string& htmlFolder,
                   THtmlProgress& progress, TFileFailures& failures)
{
    if (songs.empty()) {
        return;
    }
    const std::string tagsFolder = htmlFolder + "Tags/";
    // without the folder every page would fail alike; the folder is listed once instead
    if (!MakeRunFolder(tagsFolder, templateFolder, htmlFolder, failures)) {
        return;
    }
    const std::string templatePath = templateFolder + "_tags.htm";
    bool templateFailed = false;
    std::string line;
    for (std::size_t i = 0; i < songs.size(); ++i) {
        // the template is looked for anew for each song
        TLineReader reader;
        if (auto failure = OpenTemplate(reader, templatePath)) {
            if (!templateFailed) {
                failures.push_back(std::move(*failure));
                templateFailed = true;
            }
            continue;
        }
        const std::string pagePath = tagsFolder + songs[i].PageFileName;
        TPageWriter writer;
        if (auto failure = writer.Create(pagePath, templatePath)) {
            failures.push_back(std::move(*failure));
            continue;
        }
        while (reader.ReadLine(line)) {
            writer.WriteLine(SubstituteLine(line, songs[i], page));
        }
        if (const int code = writer.Close(); code != 0) {
            failures.push_back(FailureFromCode(pagePath, code, "page incomplete"));
        }
        progress.TagPagesWritten(i + 1);
    }
}

bool WriteSongsPage(const THtmlSongTable& songs, const TPageValues& page,
                    const std::string& templateFolder, const std::string& htmlFolder,
                    TFileFailures& failures)
{
    if (songs.empty()) {
        return false;
    }
    MakeRunFolder(htmlFolder + "Tags/", templateFolder, htmlFolder, failures);
    // the page goes straight into the catalogue folder, which must be a real folder too
    if (!MakeRunFolder(htmlFolder, templateFolder, htmlFolder, failures)) {
        return false;
    }
    const std::string templatePath = templateFolder + "_songs.htm";
    TLineReader reader;
    if (auto failure = OpenTemplate(reader, templatePath)) {
        failures.push_back(std::move(*failure));
        return false;
    }
    const std::string pagePath = htmlFolder + "_songs.htm";
    TPageWriter writer;
    if (auto failure = writer.Create(pagePath, templatePath)) {
        failures.push_back(std::move(*failure));
        return false;
    }
    // song words outside a block have no song to stand for: they give empty texts
    const THtmlSong noSong;
    std::vector<std::string> block;
    std::string line;
    while (reader.ReadLine(line)) {
        if (line == EndRepetitionMarker) {
            continue;
        }
        if (line != BeginRepetitionMarker) {
            writer.WriteLine(SubstituteLine(line, noSong, page));
            continue;
        }
        // the empty line stands in the marker's place, so every copy starts with one
        block.assign(1, std::string());
        bool lastLineFollows = false;
        while (reader.ReadLine(line)) {
            if (line == EndRepetitionMarker) {
                break;
            }
            // without an end marker the template's last line is not part of the block
            if (reader.AtEnd()) {
                lastLineFollows = true;
                break;
            }
            block.push_back(line);
        }
        WriteBlock(block, songs, page, writer);
        if (lastLineFollows) {
            writer.WriteLine(SubstituteLine(line, noSong, page));
        }
    }
    if (const int code = writer.Close(); code != 0) {
        failures.push_back(FailureFromCode(pagePath, code, "page incomplete"));
        return false;
    }
    return true;
}

std::string CatalogueFolder(const std::string& htmlPath)
{
    return WithTrailingSlash(htmlPath.empty() ? std::string("/") : htmlPath) + "HTML/";
}

THtmlRunResult GenerateHtmlCatalogue(const std::vector<std::string>& paths,
                                     const THtmlRunOptions& options, THtmlSongTable& songs,
                                     THtmlProgress& progress, const TYieldFn& yield)
{
    THtmlRunResult result;
    std::string templateFolder;
    std::string htmlPath;
    if (const int error = MakeFullPath(options.TemplateFolder, templateFolder); error != 0) {
        result.Refusal = FolderRefusal("template folder", templateFolder, error);
        return result;
    }
    if (const int error = MakeFullPath(options.HtmlPath, htmlPath); error != 0) {
        result.Refusal = FolderRefusal("target folder", htmlPath, error);
        return result;
    }
    templateFolder = WithTrailingSlash(templateFolder);
    const std::string htmlFolder = CatalogueFolder(htmlPath);
    result.Refusal = TargetConflict(templateFolder, htmlFolder);
    if (!result.Refusal.empty()) {
        return result;
    }
    CopyHtmlTemplates(templateFolder, htmlFolder, yield, result.Failures);

    progress.Show();
    CollectSongs(paths, songs, progress, yield, result.Failures, options.CodePage);
    progress.Range(1);
    progress.Position(1);
    progress.Text("Waiting ...");
    progress.Refresh();

    const TPageValues page = MakePageValues(options.Now, options.Regional);
    WriteTagPages(songs, page, templateFolder, htmlFolder, progress, result.Failures);
    result.SongsPageWritten =
        WriteSongsPage(songs, page, templateFolder, htmlFolder, result.Failures);
    progress.Hide();
    return result;
}
