#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/line_text.h"
#include "engine/ascii_text.h"
#include "engine/path_parts.h"
#include "extract/write_extracted_tag.h"
#include "journal/journal_session.h"

#include <ctime>
#include <optional>

namespace {

struct TExtractArgs
{
    TTagFormula Formula;
    TExtractOptions Options;
    bool PathIncluded = false;
    bool Write = false;
    bool Lossy = false;
    bool Id3v2 = false;
    bool Json = false;
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

// Reads the formula and the options; a usage error gives its message.
std::optional<std::string> ParseArgs(const TCommandLine& line, TExtractArgs& parsed)
{
    const std::vector<std::string>& seps = line.Values("--sep");
    if (seps.size() > FormulaFieldCount) {
        return "a formula has at most six separators";
    }
    std::copy(seps.begin(), seps.end(), parsed.Formula.Sep.begin());
    const std::vector<std::string>& fields = line.Values("--field");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto field = TagFieldFromName(fields[i]);
        if (!field) {
            return "unknown field '" + fields[i] +
                   "' (use Track, Artist, Album, Title, Year, Comment or _TRASH)";
        }
        if (i == FormulaFieldCount) {
            return "a formula has at most six fields";
        }
        parsed.Formula.Field[i] = *field;
    }
    if (const auto name = line.Last("--case")) {
        const auto mode = CaseModeFromName(*name);
        if (!mode) {
            return "unknown case '" + *name + "' (use none, lower, upper or capitalize)";
        }
        parsed.Options.CaseMode = *mode;
    }
    std::vector<TReplacePair> pairs;
    for (const std::string& value : line.Values("--replace")) {
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
    if (!pairs.empty()) {
        parsed.Options.ReplacePairs.Pairs = std::move(pairs);
        parsed.Options.ReplacePairs.Selected =
            static_cast<int>(parsed.Options.ReplacePairs.Pairs.size()) - 1;
    }
    parsed.PathIncluded = line.Has("--path");
    parsed.Options.PreserveOtherTag = !line.Has("--clear");
    parsed.Options.AutoTrimSpaces = line.Has("--trim");
    parsed.Write = line.Has("--write");
    parsed.Lossy = line.Has("--lossy");
    parsed.Id3v2 = line.Has("--id3v2");
    parsed.Json = line.Has("--json");
    parsed.Files = line.Operands;
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

// The lines of a list as a JSON array.
TJson JsonLines(const std::vector<std::string>& lines)
{
    TJson array = TJson::array();
    for (const std::string& line : lines) {
        array.push_back(JsonText(line));
    }
    return array;
}

// Runs the formula on one file, writes it when asked, prints its block (or adds its object to
// `array`); true when the file went wrong in a way the exit status reports.
bool ProcessFile(const std::string& file, const TExtractArgs& args, std::ostream& out,
                 std::ostream& err, TJsonArrayWriter& array, TJournalSession& journal,
                 std::size_t index)
{
    std::string fullPath;
    MakeFullPath(file, fullPath); // a refused path reads as a missing file further on
    const std::string text = ExtractionText(fullPath, args.PathIncluded);
    const auto run = RunFormula(text, args.Formula, args.Options, fullPath);
    const bool incomplete = NotProcessedCorrectly(args.Formula, run);
    const std::string check = incomplete ? "not processed correctly" : "complete";
    const std::vector<std::string> tagLines = AllTagsLines(run.PreviewTag);

    std::optional<std::string> written;
    std::optional<TFileFailure> failure;
    if (args.Write) {
        failure =
            WriteExtractedTag(fullPath, args.Formula, run.Values, args.Options.PreserveOtherTag, {},
                              args.Options.CodePage, args.Lossy, args.Id3v2);
        written = WriteText(failure);
        if (!failure) {
            journal.FileDone(index, {});
        }
    }
    if (args.Json) {
        TJson record = {{"file", JsonText(file)},
                        {"text", JsonText(text)},
                        {"extracted", JsonLines(run.ExtractedLines)},
                        {"formula", JsonText(ChainText(args.Formula, run.FieldCount))},
                        {"tags", JsonLines(tagLines)},
                        {"check", check}};
        if (written) {
            record["write"] = JsonText(*written);
        }
        array.Add(record);
    } else {
        out << (index > 0 ? "\n" : "") << "File: " << LineText(file) << "\n";
        out << "Text: " << LineText(text) << "\n";
        out << "Extracted:\n";
        for (const auto& line : run.ExtractedLines) {
            out << "  " << line << "\n";
        }
        out << "Formula: " << ChainText(args.Formula, run.FieldCount) << "\n";
        out << "All tags:\n";
        for (const auto& line : tagLines) {
            out << "  " << line << "\n";
        }
        out << "Check: " << check << "\n";
        if (written) {
            out << "Write: " << *written << "\n";
        }
    }
    if (failure) {
        err << "cantrel-cli extract: " << LineText(file) << ": " << *written << "\n";
    }
    return args.Write && (incomplete || failure.has_value());
}

} // namespace

int RunExtractCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    TExtractArgs parsed;
    if (const auto error = ParseArgs(line, parsed)) {
        return UsageError(err, *FindCommandSyntax("extract"), *error);
    }
    parsed.Options.CodePage = line.CodePage;
    TJournalSession journal(CommandJournalFolder(), JournalExtract, std::time(nullptr));
    if (parsed.Write && !journal.Begin(parsed.Files)) {
        ReportJournalFailure("extract", journal, err);
        return 1;
    }
    bool failed = false;
    TJsonArrayWriter array(out, TJsonArrayWriter::Block);
    // a journal that fails on the way stops the files after the one it failed on
    for (std::size_t i = 0; i < parsed.Files.size() && journal.Failure().Text.empty(); ++i) {
        std::optional<TJournalSession::TFileScope> journaled;
        if (parsed.Write) {
            journaled.emplace(journal, i);
        }
        failed = ProcessFile(parsed.Files[i], parsed, out, err, array, journal, i) || failed;
    }
    if (parsed.Json) {
        array.Finish();
    }
    if (parsed.Write && journal.Failure().Text.empty()) {
        journal.End();
    }
    return ReportJournalFailure("extract", journal, err) || failed ? 1 : 0;
}
