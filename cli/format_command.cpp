#include "cli/commands.h"
#include "cli/help_option.h"
#include "cli/json_text.h"
#include "engine/format_items.h"
#include "engine/mpeg_audio.h"
#include "engine/regional_settings.h"

#include <optional>

namespace {

const char* const FormatUsage =
    "Usage: cantrel-cli format [--json] [--locale C] MACRO FILE...\n"
    "\n"
    "Expands the file-name macro MACRO for each FILE and prints one line per file.\n"
    "\n"
    "  --json        print a JSON array of strings instead (keeps CR, LF and tabs readable)\n"
    "  --locale C    use the default regional settings (\",\" thousands, \".\" decimals,\n"
    "                \":\" in times) instead of those of the current locale\n"
    "  --            end of options: a MACRO that starts with \"-\" follows\n"
    "\n"
    "Example: cantrel-cli format '%A,t% - %T,t%' *.mp3\n";

struct TFormatOptions
{
    bool Json = false;
    bool DefaultLocale = false;
    std::string Macro;
    std::vector<std::string> Files;
};

// The options, or nothing after printing the reason of a usage error to `err`.
std::optional<TFormatOptions> ParseOptions(const std::vector<std::string>& args, std::ostream& err)
{
    TFormatOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.Json = true;
        } else if (arg == "--locale") {
            if (i + 1 >= args.size()) {
                err << "cantrel-cli format: --locale needs a value (only C is supported)\n\n"
                    << FormatUsage;
                return std::nullopt;
            }
            if (args[++i] != "C") {
                err << "cantrel-cli format: unsupported locale '" << args[i]
                    << "': only C is supported; without --locale the current locale is used\n\n"
                    << FormatUsage;
                return std::nullopt;
            }
            options.DefaultLocale = true;
        } else {
            err << "cantrel-cli format: unknown option '" << arg
                << "' (put -- before a MACRO that starts with '-')\n\n"
                << FormatUsage;
            return std::nullopt;
        }
    }
    if (positional.size() < 2) {
        err << "cantrel-cli format: " << (positional.empty() ? "MACRO and FILE" : "FILE")
            << " missing\n\n"
            << FormatUsage;
        return std::nullopt;
    }
    options.Macro = positional.front();
    options.Files.assign(positional.begin() + 1, positional.end());
    return options;
}

} // namespace

int RunFormatCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const TTagCodePage& codePage)
{
    if (AsksForHelp(args, {"--locale"})) {
        out << FormatUsage;
        return 0;
    }
    const auto options = ParseOptions(args, err);
    if (!options) {
        return 2;
    }
    const TRegionalSettings regional =
        options->DefaultLocale ? TRegionalSettings{} : TRegionalSettings::FromProcessLocale();

    if (options->Json) {
        out << "[\n";
    }
    for (std::size_t i = 0; i < options->Files.size(); ++i) {
        // a fresh object per file: an analysis keeps the date of the previous file when the next
        // one is missing
        TMPEGAudio audio(codePage);
        audio.SetFileName(options->Files[i]);
        const std::string text = FormatItems(audio, options->Macro, regional);
        if (options->Json) {
            out << "  " << JsonString(text) << (i + 1 < options->Files.size() ? ",\n" : "\n");
        } else {
            out << text << '\n';
        }
    }
    if (options->Json) {
        out << "]\n";
    }
    return 0;
}
