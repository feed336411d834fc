#include "cli/write_command.h"

#include "batch/tag_write.h"
#include "cli/commands.h"
#include "cli/help_option.h"
#include "engine/mpeg_audio.h"
#include "engine/tag_values.h"
#include "journal/journal_session.h"

#include <cerrno>
#include <ctime>
#include <functional>
#include <optional>

namespace {

const char* const WriteUsage =
    "Usage: cantrel-cli write [--title T] [--artist A] [--album B] [--year Y] [--comment C]\n"
    "                         [--genre G] [--track N] [--lossy] FILE...\n"
    "\n"
    "Writes the given fields into the ID3v1 tag of each FILE and keeps the others as they are,\n"
    "as the main window writes its enabled boxes.\n"
    "\n"
    "  --title, --artist, --album, --comment TEXT\n"
    "                  cut to 30 characters\n"
    "  --year TEXT     at most 4 characters\n"
    "  --genre G       a genre number 0 to 255, or a genre name as listed (any case);\n"
    "                  \"<unknown>\" writes \"Other\"\n"
    "  --track N       a number 0 to 255\n"
    "  --lossy         write characters the code page cannot hold as \"?\"\n"
    "  --              end of options: a FILE that starts with \"-\" follows\n"
    "  -h, --help      show this help\n"
    "\n"
    "Texts are stored in the code page of --codepage (default WINDOWS-1252): one byte per\n"
    "character, so only the characters that code page has (for WINDOWS-1252 the ASCII\n"
    "characters and the Western European letters and signs) can be written. Without --lossy a\n"
    "text with any other character is not written.\n"
    "\n"
    "Prints \"FILE<TAB>STATUS\" per file: written, unencodable (a text has characters the code\n"
    "page cannot hold; the file is unchanged), not-audio (no MPEG audio found, so its tag was\n"
    "not read and is not written) or failed:ERRNO (2: no such file).\n"
    "Exit status: 0 every file written, 1 some file refused, 2 usage error (nothing written):\n"
    "also for a track or genre the tag cannot hold, or a year longer than 4 characters.\n";

std::optional<std::string>* FieldOf(TTagBoxTexts& boxes, const std::string& option)
{
    const struct
    {
        const char* Option;
        std::optional<std::string> TTagBoxTexts::*Field;
    } options[] = {
        {"--title", &TTagBoxTexts::Title},     {"--artist", &TTagBoxTexts::Artist},
        {"--album", &TTagBoxTexts::Album},     {"--year", &TTagBoxTexts::Year},
        {"--comment", &TTagBoxTexts::Comment}, {"--genre", &TTagBoxTexts::Genre},
        {"--track", &TTagBoxTexts::Track},
    };
    for (const auto& o : options) {
        if (option == o.Option) {
            return &(boxes.*o.Field);
        }
    }
    return nullptr;
}

} // namespace

std::string RefusedStatus(const TFileFailure& failure)
{
    switch (failure.Reason) {
    case TFailureReason::Missing:
        return "failed:" + std::to_string(ENOENT);
    case TFailureReason::NotAudio:
        return "not-audio";
    case TFailureReason::ChangedSince:
        return "changed"; // by another program between the batch's read and its change
    case TFailureReason::Unencodable:
        return "unencodable";
    default:
        return "failed:" + std::to_string(failure.Error);
    }
}

namespace {

// RunFileCommand with the batch run by `run`.
int RunFileBatch(std::string_view command, const std::vector<std::string>& files,
                 const std::function<TBatchResult(const TBatchControl&)>& run,
                 std::string_view done, std::ostream& out, std::ostream& err)
{
    TBatchControl control;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        out << files[index] << '\t';
        switch (outcome.Status) {
        case TFileStatus::Done:
            out << done << '\n';
            break;
        case TFileStatus::Unchanged:
            out << "unchanged\n";
            break;
        case TFileStatus::Refused:
            out << RefusedStatus(outcome.Failure) << '\n';
            err << "cantrel-cli " << command << ": " << files[index] << ": " << outcome.Failure.Text
                << '\n';
            break;
        }
    };
    TJournalSession journal(CommandJournalFolder(), std::string(command), std::time(nullptr));
    control.Journal = &journal;
    const bool refused = !run(control).Failures.empty();
    return ReportJournalFailure(command, journal, err) || refused ? 1 : 0;
}

} // namespace

int RunFileCommand(std::string_view command, const std::vector<std::string>& files,
                   const TFileStep& step, std::string_view done, std::ostream& out,
                   std::ostream& err)
{
    return RunFileBatch(
        command, files,
        [&](const TBatchControl& control) { return RunBatch(files, step, control); }, done, out,
        err);
}

int RunWriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const TTagCodePage& codePage)
{
    if (AsksForHelp(args, {"--title", "--artist", "--album", "--year", "--comment", "--genre",
                           "--track"})) {
        out << WriteUsage;
        return 0;
    }
    TTagBoxTexts boxes;
    bool anyField = false;
    bool lossy = false;
    bool optionsDone = false;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsDone || arg.size() < 2 || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--lossy") {
            lossy = true;
        } else if (auto* field = FieldOf(boxes, arg)) {
            if (i + 1 == args.size()) {
                return UsageError(err, "write", "option '" + arg + "' needs a value", WriteUsage);
            }
            *field = args[++i];
            anyField = true;
        } else {
            return UsageError(err, "write", "unknown option '" + arg + "'", WriteUsage);
        }
    }
    if (!anyField) {
        return UsageError(err, "write", "no field given: nothing to write", WriteUsage);
    }
    if (files.empty()) {
        return UsageError(err, "write", "no file given", WriteUsage);
    }
    TTagEdits edits = TagEditsFromBoxes(boxes);
    if (boxes.Year && !YearFits(*boxes.Year)) {
        return UsageError(err, "write", "year '" + *boxes.Year + "' is longer than 4 characters",
                          WriteUsage);
    }
    if (boxes.Genre && !(edits.Genre = GenreFromText(*boxes.Genre))) {
        return UsageError(err, "write",
                          "genre '" + *boxes.Genre + "' is neither a number 0-255 nor a genre name",
                          WriteUsage);
    }
    if (boxes.Track && !(edits.Track = TrackFromText(*boxes.Track))) {
        return UsageError(err, "write", "track '" + *boxes.Track + "' is not a number 0-255",
                          WriteUsage);
    }
    // the same texts go into every file, and a file's own texts always fit its code page
    const bool unencodable = !lossy && TagLosesCharacters(EditedTag({}, edits), codePage);
    TMPEGAudio audio(codePage);
    const TFileRead read = [&](const std::string& path, const TYieldFn& yield) -> TFileChange {
        if (unencodable) {
            // a file that cannot be written anyway says why first
            auto refusal =
                AnalyseForWrite(audio, path, yield).value_or(UnencodableFailure(path, codePage));
            return [refusal] { return TFileOutcome::Refusal(refusal); };
        }
        return ReadForTagWrite(audio, path, edits, yield);
    };
    return RunFileBatch(
        "write", files,
        [&](const TBatchControl& control) { return RunBatch(files, read, control); }, "written",
        out, err);
}
