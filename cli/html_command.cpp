#include "catalogue/html_generator.h"
#include "catalogue/template_folder.h"
#include "cli/commands.h"
#include "cli/help_option.h"
#include "engine/date_time.h"
#include "engine/regional_settings.h"

#include <ctime>
#include <filesystem>

namespace {

const char* const HtmlUsage =
    "Usage: cantrel-cli html [--templates DIR] --target DIR FILE...\n"
    "\n"
    "Writes an HTML catalogue of the files, in the order given. The template folder is copied\n"
    "to TARGET/HTML/ (subfolders and hidden files included), one page per file is written to\n"
    "TARGET/HTML/Tags/ from the template _tags.htm, and the list of all songs replaces\n"
    "TARGET/HTML/_songs.htm, made from the template _songs.htm.\n"
    "\n"
    "Options:\n"
    "  --templates DIR   the template folder (default: the HTML folder installed with Cantrel)\n"
    "  --target DIR      the folder that receives the HTML folder; made when missing\n"
    "  --                ends the options; every argument after it is a file\n"
    "  -h, --help        show this help\n"
    "\n"
    "Prints the path of the songs page when it was written. Progress goes to standard error,\n"
    "one line per file.\n"
    "\n"
    "Exit status:\n"
    "  0  the catalogue is complete\n"
    "  1  the catalogue was written, but pages, templates or files failed (listed on standard\n"
    "     error)\n"
    "  2  usage error, a missing template folder, or a target whose HTML folder overlaps the\n"
    "     template folder (nothing is written then)\n";

// Progress lines on standard error.
class TStreamProgress : public THtmlProgress
{
public:
    explicit TStreamProgress(std::ostream& err) : Err(err) {}
    void Text(const std::string& text) override { Err << "cantrel-cli html: " << text << '\n'; }

private:
    std::ostream& Err;
};

struct THtmlArgs
{
    std::string Templates;
    std::string Target;
    std::vector<std::string> Files;
};

// The parsed arguments, or an error message.
std::string ParseArgs(const std::vector<std::string>& args, THtmlArgs& parsed)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            parsed.Files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--templates" || arg == "--target") {
            if (i + 1 >= args.size()) {
                return "option '" + arg + "' needs a folder";
            }
            (arg == "--templates" ? parsed.Templates : parsed.Target) = args[++i];
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    if (parsed.Templates.empty()) {
        parsed.Templates = DefaultTemplateFolder();
    }
    if (parsed.Target.empty()) {
        return "the target folder is missing (--target DIR)";
    }
    if (parsed.Files.empty()) {
        return "no files given";
    }
    std::error_code error;
    if (!std::filesystem::is_directory(parsed.Templates, error)) {
        return "the template folder '" + parsed.Templates + "' " +
               (std::filesystem::exists(parsed.Templates, error) ? "is not a folder"
                                                                 : "does not exist");
    }
    return {};
}

} // namespace

int RunHtmlCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const TTagCodePage& codePage)
{
    if (AsksForHelp(args, {"--templates", "--target"})) {
        out << HtmlUsage;
        return 0;
    }
    THtmlArgs parsed;
    if (const std::string problem = ParseArgs(args, parsed); !problem.empty()) {
        return UsageError(err, "html", problem, HtmlUsage);
    }
    THtmlRunOptions options;
    options.TemplateFolder = parsed.Templates;
    options.HtmlPath = parsed.Target;
    options.Regional = TRegionalSettings::FromProcessLocale();
    options.Now = LocalDateTime(std::time(nullptr));
    options.CodePage = codePage;

    THtmlSongTable songs;
    TStreamProgress progress(err);
    const THtmlRunResult result = GenerateHtmlCatalogue(parsed.Files, options, songs, progress);
    if (!result.Refusal.empty()) {
        err << "cantrel-cli html: " << result.Refusal << '\n';
        return 2;
    }
    for (const TFileFailure& failure : result.Failures) {
        err << "cantrel-cli html: " << failure.Path << ": " << failure.Text << '\n';
    }
    // the songs page, the entry point of the catalogue
    if (result.SongsPageWritten) {
        out << CatalogueFolder(parsed.Target) << "_songs.htm\n";
    }
    return result.Failures.empty() ? 0 : 1;
}
