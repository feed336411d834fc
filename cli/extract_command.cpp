#include "cli/commands.h"
#include "cli/help_option.h"
#include "engine/ascii_text.h"
#include "engine/path_parts.h"
#include "extract/write_extracted_tag.h"
#include "journal/journal_session.h"

#include <ctime>
#include <optional>

namespace {

const char* const Help =
    "Usage: cantrel-cli extract [OPTIONS] FILE...\n"
    "\n"
    "Fill ID3v1 tags from file names with a TAG Formula: up to six separators, each followed\n"
    "by the tag field that the text after it fills. Without --write nothing is changed.\n"
    "\n"
    "Options:\n"
    "  --sep TEXT           the next separator, up to six in order; may be empty\n"
    "  --field NAME         the next field, up to six in order: Track, Artist, Album, Title,\n"
    "                       Year, Comment or _TRASH (any case); a field not given is the one\n"
    "                       at its place in Track, Artist, Album, Title, Year, Comment\n"
    "  --path               run on the path without its root instead of the file name alone\n"
    "  --clear              empty title, artist, album, year and comment before writing\n"
    "                       (default: keep the fields the formula does not set)\n"
    "  --case MODE          none (default), lower, upper or capitalize (any case)\n"
    "  --trim               remove leading and trailing spaces and control characters\n"
    "                       from every value\n"
    "  --replace WHAT=WITH  replace WHAT with WITH in every value (split at the first \"=\");\n"
    "                       repeatable, applied in order (default: \"_\" with \" \")\n"
    "  --write              write the tags\n"
    "  --lossy              with --write, write characters the code page cannot hold as \"?\"\n"
    "  --help               show this help\n"
    "\n"
    "An empty first separator, or \"%NONE\", starts the first field at the beginning of the\n"
    "text; an empty later separator, or \"%END\", ends the formula: the field before it runs to\n"
    "the end of the name less a four-character extension (\".mp3\").\n"
    "\n"
    "Each file gives one block: the extracted fields, the formula as far as it was used, the\n"
    "tag as it would be written, and whether every field was found.\n"
    "\n"
    "Texts are stored in the code page of --codepage (default WINDOWS-1252), one byte per\n"
    "character. A file whose new texts have characters that code page cannot hold (Cyrillic in\n"
    "WINDOWS-1252, say) is not written (\"Write: unencodable\") unless --lossy is given.\n"
    "\n"
    "Exit status: 0 done; 1 with --write when a file was not processed correctly or could not\n"
    "be written; 2 on a usage error (nothing is written).\n";

struct TExtractArgs
{
    TTagFormula Formula;
    TExtractOptions Options;
    bool PathIncluded = false;
    bool Write = false;
    bool Lossy = false;
    std::vector<std::string> Files;
};

std::optional<TCaseMode> CaseModeFromName(const std::string& given)
{
    const std::string name = AsciiLower(given);
    if (name == "none") {
        return TCaseMode::cmNone;
    }
    if (name == "lower") {
        return TCaseMode::cmLower;
    }
    if (name == "upper") {
        return TCaseMode::cmUpper;
    }
    if (name == "capitalize") {
        return TCaseMode::cmCapitalize;
    }
    return std::nullopt;
}

// Reads the arguments; a usage error gives its message.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, TExtractArgs& parsed)
{
    std::size_t seps = 0;
    std::size_t fields = 0;
    std::vector<TReplacePair> pairs;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            parsed.Files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--path") {
            parsed.PathIncluded = true;
            continue;
        }
        if (arg == "--clear") {
            parsed.Options.PreserveOtherTag = false;
            continue;
        }
        if (arg == "--trim") {
            parsed.Options.AutoTrimSpaces = true;
            continue;
        }
        if (arg == "--write") {
            parsed.Write = true;
            continue;
        }
        if (arg == "--lossy") {
            parsed.Lossy = true;
            continue;
        }
        if (arg != "--sep" && arg != "--field" && arg != "--case" && arg != "--replace") {
            return "unknown option '" + arg + "'";
        }
        if (i + 1 == args.size()) {
            return "option '" + arg + "' needs a value";
        }
        const std::string& value = args[++i];
        if (arg == "--sep") {
            if (seps == FormulaFieldCount) {
                return "a formula has at most six separators";
            }
            parsed.Formula.Sep[seps++] = value;
        } else if (arg == "--field") {
            const auto field = TagFieldFromName(value);
            if (!field) {
                return "unknown field '" + value +
                       "' (use Track, Artist, Album, Title, Year, Comment or _TRASH)";
            }
            if (fields == FormulaFieldCount) {
                return "a formula has at most six fields";
            }
            parsed.Formula.Field[fields++] = *field;
        } else if (arg == "--case") {
            const auto mode = CaseModeFromName(value);
            if (!mode) {
                return "unknown case '" + value + "' (use none, lower, upper or capitalize)";
            }
            parsed.Options.CaseMode = *mode;
        } else {
            const auto equals = value.find('=');
            if (equals == std::string::npos || equals == 0 || equals + 1 == value.size()) {
                return "--replace needs WHAT=WITH with both texts non-empty, not '" + value + "'";
            }
            TReplacePair pair{value.substr(0, equals), value.substr(equals + 1)};
            for (const auto& earlier : pairs) {
                if (earlier.What == pair.What) {
                    return "'" + pair.What + "' is replaced twice";
                }
            }
            pairs.push_back(std::move(pair));
        }
    }
    if (!pairs.empty()) {
        parsed.Options.ReplacePairs.Pairs = std::move(pairs);
        parsed.Options.ReplacePairs.Selected =
            static_cast<int>(parsed.Options.ReplacePairs.Pairs.size()) - 1;
    }
    if (parsed.Files.empty()) {
        return "no files given";
    }
    return std::nullopt;
}

// "written", or why not; an errno value is shown with its number.
std::string WriteText(const std::optional<TFileFailure>& failure)
{
    if (!failure) {
        return "written";
    }
    if (failure->Reason == TFailureReason::Unencodable) {
        return "unencodable (" + failure->Text + ")";
    }
    if (failure->Reason != TFailureReason::None) {
        return failure->Text;
    }
    return failure->Text + " (" + std::to_string(failure->Error) + ")";
}

// Runs the formula on one file, writes it when asked, prints its block; true when the file went
// wrong in a way the exit status reports.
bool ProcessFile(const std::string& file, const TExtractArgs& args, std::ostream& out,
                 std::ostream& err, TJournalSession& journal, std::size_t index)
{
    std::string fullPath;
    MakeFullPath(file, fullPath); // a refused path reads as a missing file further on
    const std::string text = ExtractionText(fullPath, args.PathIncluded);
    const auto run = RunFormula(text, args.Formula, args.Options, fullPath);
    const bool incomplete = NotProcessedCorrectly(args.Formula, run);

    out << "File: " << file << "\n";
    out << "Text: " << text << "\n";
    out << "Extracted:\n";
    for (const auto& line : run.ExtractedLines) {
        out << "  " << line << "\n";
    }
    out << "Formula: " << ChainText(args.Formula, run.FieldCount) << "\n";
    out << "All tags:\n";
    for (const auto& line : AllTagsLines(run.PreviewTag)) {
        out << "  " << line << "\n";
    }
    out << "Check: " << (incomplete ? "not processed correctly" : "complete") << "\n";
    if (!args.Write) {
        return false;
    }
    const auto failure =
        WriteExtractedTag(fullPath, args.Formula, run.Values, args.Options.PreserveOtherTag, {},
                          args.Options.CodePage, args.Lossy);
    out << "Write: " << WriteText(failure) << "\n";
    if (!failure) {
        journal.FileDone(index, {});
    }
    if (failure) {
        err << "cantrel-cli extract: " << file << ": " << WriteText(failure) << "\n";
    }
    return incomplete || failure.has_value();
}

} // namespace

int RunExtractCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const TTagCodePage& codePage)
{
    if (AsksForHelp(args, {"--sep", "--field", "--case", "--replace"})) {
        out << Help;
        return 0;
    }
    TExtractArgs parsed;
    if (const auto error = ParseArgs(args, parsed)) {
        err << "cantrel-cli extract: " << *error << "\n"
            << "Run 'cantrel-cli extract --help' for the options.\n";
        return 2;
    }
    parsed.Options.CodePage = codePage;
    TJournalSession journal(CommandJournalFolder(), JournalExtract, std::time(nullptr));
    if (parsed.Write && !journal.Begin(parsed.Files)) {
        ReportJournalFailure("extract", journal, err);
        return 1;
    }
    bool failed = false;
    // a journal that fails on the way stops the files after the one it failed on
    for (std::size_t i = 0; i < parsed.Files.size() && journal.Failure().Text.empty(); ++i) {
        if (i > 0) {
            out << "\n";
        }
        std::optional<TJournalSession::TFileScope> journaled;
        if (parsed.Write) {
            journaled.emplace(journal, i);
        }
        failed = ProcessFile(parsed.Files[i], parsed, out, err, journal, i) || failed;
    }
    if (parsed.Write && journal.Failure().Text.empty()) {
        journal.End();
    }
    return ReportJournalFailure("extract", journal, err) || failed ? 1 : 0;
}
