#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/line_text.h"
#include "engine/ascii_text.h"
#include "extract/extraction_batch.h"
#include "journal/journal_session.h"

#include <ctime>
#include <optional>

namespace {

struct TExtractArgs
{
    TExtractionJob Job;
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
    std::copy(seps.begin(), seps.end(), parsed.Job.Formula.Sep.begin());
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
        parsed.Job.Formula.Field[i] = *field;
    }
    if (const auto name = line.Last("--case")) {
        const auto mode = CaseModeFromName(*name);
        if (!mode) {
            return "unknown case '" + *name + "' (use none, lower, upper or capitalize)";
        }
        parsed.Job.Options.CaseMode = *mode;
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
        parsed.Job.Options.ReplacePairs.Pairs = std::move(pairs);
        parsed.Job.Options.ReplacePairs.Selected =
            static_cast<int>(parsed.Job.Options.ReplacePairs.Pairs.size()) - 1;
    }
    parsed.Job.PathIncluded = line.Has("--path");
    parsed.Job.Options.PreserveOtherTag = !line.Has("--clear");
    parsed.Job.Options.AutoTrimSpaces = line.Has("--trim");
    parsed.Job.Write = line.Has("--write");
    parsed.Job.Lossy = line.Has("--lossy");
    parsed.Job.Id3v2 = line.Has("--id3v2");
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

// Prints the block of one file (or adds its object to `array`) with what became of it; true when
// the file went wrong in a way the exit status reports.
bool ReportFile(const std::string& file, const TExtractArgs& args,
                const TFileExtraction& extraction, const TFileOutcome& outcome, std::size_t index,
                std::ostream& out, std::ostream& err, TJsonArrayWriter& array)
{
    const TFormulaRun& run = extraction.Run;
    const std::string check = extraction.Incomplete ? "not processed correctly" : "complete";
    const std::vector<std::string> tagLines = AllTagsLines(run.PreviewTag);
    const bool refused = outcome.Status == TFileStatus::Refused;
    std::optional<std::string> written;
    if (args.Job.Write) {
        written = WriteText(refused ? std::optional(outcome.Failure) : std::nullopt);
    }
    if (args.Json) {
        TJson record = {{"file", JsonText(file)},
                        {"text", JsonText(extraction.Text)},
                        {"extracted", JsonLines(run.ExtractedLines)},
                        {"formula", JsonText(ChainText(args.Job.Formula, run.FieldCount))},
                        {"tags", JsonLines(tagLines)},
                        {"check", check}};
        if (written) {
            record["write"] = JsonText(*written);
        }
        array.Add(record);
    } else {
        out << (index > 0 ? "\n" : "") << "File: " << LineText(file) << "\n";
        out << "Text: " << LineText(extraction.Text) << "\n";
        out << "Extracted:\n";
        for (const auto& line : run.ExtractedLines) {
            out << "  " << line << "\n";
        }
        out << "Formula: " << ChainText(args.Job.Formula, run.FieldCount) << "\n";
        out << "All tags:\n";
        for (const auto& line : tagLines) {
            out << "  " << line << "\n";
        }
        out << "Check: " << check << "\n";
        if (written) {
            out << "Write: " << *written << "\n";
        }
    }
    if (refused) {
        err << "cantrel-cli extract: " << LineText(file) << ": " << *written << "\n";
    }
    return args.Job.Write && (extraction.Incomplete || refused);
}

} // namespace

int RunExtractCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    TExtractArgs parsed;
    if (const auto error = ParseArgs(line, parsed)) {
        return UsageError(err, *FindCommandSyntax("extract"), *error);
    }
    parsed.Job.Options.CodePage = line.CodePage;
    TJournalSession journal(CommandJournalFolder(), JournalExtract, std::time(nullptr));
    TBatchControl control;
    if (parsed.Job.Write) {
        control.Journal = &journal;
    }
    bool failed = false;
    TJsonArrayWriter array(out, TJsonArrayWriter::Block);
    RunExtraction(
        parsed.Files, parsed.Job, control,
        [&](std::size_t index, const TFileExtraction& extraction, const TFileOutcome& outcome) {
            failed = ReportFile(parsed.Files[index], parsed, extraction, outcome, index, out, err,
                                array) ||
                     failed;
        });
    // a journal that cannot record the batch stops it before its first file, with no output
    const bool begun = !parsed.Job.Write || journal.Number() != 0;
    if (parsed.Json && begun) {
        array.Finish();
    }
    return ReportJournalFailure("extract", journal, err) || failed ? 1 : 0;
}
