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

std::optional<TEditField> FieldOf(std::string_view option)
{
    const struct
    {
        const char* Option;
        TEditField Field;
    } options[] = {
        {"--title", TEditField::Title},     {"--artist", TEditField::Artist},
        {"--album", TEditField::Album},     {"--year", TEditField::Year},
        {"--comment", TEditField::Comment}, {"--genre", TEditField::Genre},
        {"--track", TEditField::Track},
    };
    for (const auto& o : options) {
        if (option == o.Option) {
            return o.Field;
        }
    }
    return std::nullopt;
}

// The text given for the field, if any.
const std::string* TextOf(const std::vector<TFieldText>& texts, TEditField field)
{
    for (const TFieldText& text : texts) {
        if (text.Field == field) {
            return &text.Text;
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
    std::vector<TFieldText> texts;
    for (const TOptionSyntax& option : syntax.Options) {
        const std::string_view name = LongName(option);
        if (const auto field = FieldOf(name)) {
            if (auto text = line.Last(name)) {
                texts.push_back({*field, std::move(*text)});
            }
        }
    }
    if (texts.empty()) {
        return UsageError(err, syntax, "no field given: nothing to write");
    }
    const std::vector<std::string>& files = line.Operands;
    if (files.empty()) {
        return UsageError(err, syntax, "no file given");
    }
    TTagEdits edits = TagEditsFromTexts(texts);
    const std::string* year = TextOf(texts, TEditField::Year);
    if (year != nullptr && !YearFits(*year)) {
        return UsageError(err, syntax, "year '" + *year + "' is longer than 4 characters");
    }
    // the command line takes genre numbers and names in any case, and refuses what the tag
    // cannot hold instead of writing something else
    const std::string* genre = TextOf(texts, TEditField::Genre);
    if (genre != nullptr && !(edits.Genre = GenreFromText(*genre))) {
        return UsageError(err, syntax,
                          "genre '" + *genre + "' is neither a number 0-255 nor a genre name");
    }
    const std::string* track = TextOf(texts, TEditField::Track);
    if (track != nullptr && !(edits.Track = TrackFromText(*track))) {
        return UsageError(err, syntax, "track '" + *track + "' is not a number 0-255");
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
