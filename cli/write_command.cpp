#include "cli/write_command.h"

#include "batch/tag_write.h"
#include "cli/commands.h"
#include "cli/file_report.h"
#include "cli/line_text.h"
#include "engine/mpeg_audio.h"
#include "engine/tag_values.h"
#include "journal/journal_session.h"

#include <cerrno>
#include <ctime>
#include <functional>
#include <optional>

namespace {

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
                 std::string_view done, bool json, std::ostream& out, std::ostream& err)
{
    TFileReport report(out, json);
    TBatchControl control;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        std::string status;
        switch (outcome.Status) {
        case TFileStatus::Done:
            status = done;
            break;
        case TFileStatus::Unchanged:
            status = "unchanged";
            break;
        case TFileStatus::Refused:
            status = RefusedStatus(outcome.Failure);
            err << "cantrel-cli " << command << ": " << LineText(files[index]) << ": "
                << outcome.Failure.Text << '\n';
            break;
        }
        report.Add({{"file", files[index]}, {"status", status}});
    };
    TJournalSession journal(CommandJournalFolder(), std::string(command), std::time(nullptr));
    control.Journal = &journal;
    const bool refused = !run(control).Failures.empty();
    report.Finish();
    return ReportJournalFailure(command, journal, err) || refused ? 1 : 0;
}

} // namespace

int RunFileCommand(std::string_view command, const std::vector<std::string>& files,
                   const TFileStep& step, std::string_view done, bool json, std::ostream& out,
                   std::ostream& err)
{
    return RunFileBatch(
        command, files,
        [&](const TBatchControl& control) { return RunBatch(files, step, control); }, done, json,
        out, err);
}

int RunWriteCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const TCommandSyntax& syntax = *FindCommandSyntax("write");
    TTagBoxTexts boxes;
    bool anyField = false;
    for (const TOptionSyntax& option : syntax.Options) {
        if (auto* field = FieldOf(boxes, std::string(LongName(option)))) {
            *field = line.Last(LongName(option));
            anyField = anyField || field->has_value();
        }
    }
    if (!anyField) {
        return UsageError(err, syntax, "no field given: nothing to write");
    }
    const std::vector<std::string>& files = line.Operands;
    if (files.empty()) {
        return UsageError(err, syntax, "no file given");
    }
    TTagEdits edits = TagEditsFromBoxes(boxes);
    if (boxes.Year && !YearFits(*boxes.Year)) {
        return UsageError(err, syntax, "year '" + *boxes.Year + "' is longer than 4 characters");
    }
    if (boxes.Genre && !(edits.Genre = GenreFromText(*boxes.Genre))) {
        return UsageError(
            err, syntax, "genre '" + *boxes.Genre + "' is neither a number 0-255 nor a genre name");
    }
    if (boxes.Track && !(edits.Track = TrackFromText(*boxes.Track))) {
        return UsageError(err, syntax, "track '" + *boxes.Track + "' is not a number 0-255");
    }
    const TTagCodePage& codePage = line.CodePage;
    // the same texts go into every file, and a file's own texts always fit its code page
    const bool unencodable =
        !line.Has("--lossy") && TagLosesCharacters(EditedTag({}, edits), codePage);
    TMPEGAudio audio(codePage);
    const TFileRead read = [&](const std::string& path, const TYieldFn& yield) -> TFileChange {
        if (unencodable) {
            // a file that cannot be written anyway says why first
            auto refusal =
                AnalyseForWrite(audio, path, yield).value_or(UnencodableFailure(path, codePage));
            return [refusal] { return TFileOutcome::Refusal(refusal); };
        }
        return ReadForTagWrite(audio, path, edits, yield, line.Has("--id3v2"));
    };
    return RunFileBatch(
        "write", files,
        [&](const TBatchControl& control) { return RunBatch(files, read, control); }, "written",
        line.Has("--json"), out, err);
}
