#include "batch/macro_rename.h"
#include "cli/commands.h"
#include "cli/file_report.h"
#include "cli/line_text.h"
#include "cli/write_command.h"
#include "journal/journal_session.h"

#include <ctime>

namespace {

std::string StatusOf(const TFileOutcome& outcome, bool dryRun)
{
    switch (outcome.Status) {
    case TFileStatus::Done:
        return dryRun ? "planned" : "renamed";
    case TFileStatus::Unchanged:
        return "unchanged";
    case TFileStatus::Refused:
        break;
    }
    switch (outcome.Failure.Reason) {
    case TFailureReason::NameTooLong:
        return "too-long";
    case TFailureReason::TargetExists:
        return "exists";
    default:
        return RefusedStatus(outcome.Failure);
    }
}

} // namespace

int RunRenameCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& operands = line.Operands;
    if (operands.size() < 2) {
        return UsageError(err, *FindCommandSyntax("rename"),
                          operands.empty() ? "MACRO and FILE missing" : "FILE missing");
    }
    const std::vector<std::string> files(operands.begin() + 1, operands.end());
    TRenameOptions options;
    options.LimitTo64 = line.Has("--limit-64");
    options.DryRun = line.Has("--dry-run");
    options.CodePage = line.CodePage;
    TMacroRenamer renamer(operands.front(), TRegionalSettings::FromProcessLocale(), options);
    renamer.ReadAhead(files);

    std::string newPath;
    const TFileStep step = [&](const std::string& path, const TYieldFn& yield) {
        TRenameOutcome result = renamer.Rename(path, yield);
        newPath = std::move(result.NewPath);
        return result.Outcome;
    };
    TFileReport report(out, line.Has("--json"));
    TBatchControl control;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        report.Add({{"old", files[index]},
                    {"new", newPath},
                    {"status", StatusOf(outcome, options.DryRun)}});
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli rename: " << LineText(files[index]) << ": " << outcome.Failure.Text
                << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), JournalRename, std::time(nullptr));
    if (!options.DryRun) {
        control.Journal = &journal;
    }
    const TBatchResult result = RunBatch(files, step, control);
    ReportJournalFailure("rename", journal, err);
    // a batch stopped by its journal before the first file reported none: an empty array then
    report.Finish();
    return result.Failures.empty() ? 0 : 1;
}
