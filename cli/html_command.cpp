#include "catalogue/html_generator.h"
#include "catalogue/template_folder.h"
#include "cli/commands.h"
#include "engine/date_time.h"
#include "engine/regional_settings.h"

#include <ctime>
#include <filesystem>

namespace {

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
std::string ParseArgs(const TCommandLine& line, THtmlArgs& parsed)
{
    parsed.Templates = line.Last("--templates").value_or("");
    parsed.Target = line.Last("--target").value_or("");
    parsed.Files = line.Operands;
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

int RunHtmlCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    THtmlArgs parsed;
    if (const std::string problem = ParseArgs(line, parsed); !problem.empty()) {
        return UsageError(err, *FindCommandSyntax("html"), problem);
    }
    THtmlRunOptions options;
    options.TemplateFolder = parsed.Templates;
    options.HtmlPath = parsed.Target;
    options.Regional = TRegionalSettings::FromProcessLocale();
    options.Now = LocalDateTime(std::time(nullptr));
    options.CodePage = line.CodePage;

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
