#include "cli/commands.h"
#include "cli/file_report.h"
#include "cli/line_text.h"
#include "journal/journal_session.h"
#include "journal/undo_batch.h"

#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

std::string LocalTime(std::int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts = {};
    char text[32] = {};
    localtime_r(&time, &parts);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

std::string UndoStatus(const TFileOutcome& outcome, bool dryRun)
{
    if (outcome.Status != TFileStatus::Refused) {
        return dryRun ? "would-undo" : "undone";
    }
    switch (outcome.Failure.Reason) {
    case TFailureReason::ChangedSince:
        return "changed";
    case TFailureReason::TargetExists:
        return "name-taken";
    case TFailureReason::Missing:
        return "failed:2";
    default:
        return "failed:" + std::to_string(outcome.Failure.Error);
    }
}

int ListBatches(bool json, std::ostream& out)
{
    TFileReport report(out, json);
    for (const std::string& file : JournalFiles(CommandJournalFolder())) {
        const TJournalBatch batch = ReadJournalBatch(file);
        // a batch that stopped before its end (killed, or still running) says so
        const std::string kind = !batch.Damage.empty() ? "damaged: " + batch.Damage
                                 : batch.Finished      ? batch.Kind
                                                       : batch.Kind + " (unfinished)";
        report.Add({{"number", std::int64_t{batch.Number}},
                    {"time", LocalTime(batch.Time)},
                    {"kind", kind},
                    {"files", static_cast<std::int64_t>(batch.ChangedCount())}});
    }
    report.Finish();
    return 0;
}

// The batch number given, 0 when none was; `unexpected` gets an operand that is no batch number.
int BatchNumber(const std::vector<std::string>& operands, std::string& unexpected)
{
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const std::string& arg = operands[i];
        const bool number = i == 0 && !arg.empty() &&
                            arg.find_first_not_of("0123456789") == std::string::npos &&
                            arg.size() < 10 && std::atoi(arg.c_str()) > 0;
        if (!number) {
            unexpected = arg;
            return 0;
        }
    }
    return operands.empty() ? 0 : std::atoi(operands.front().c_str());
}

} // namespace

std::string CommandJournalFolder()
{
    return JournalFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

bool ReportJournalFailure(std::string_view command, const TJournalSession& journal,
                          std::ostream& err)
{
    const TFileFailure& failure = journal.Failure();
    if (failure.Text.empty()) {
        return false;
    }
    err << "cantrel-cli " << command << ": " << failure.Text << " (" << failure.Path
        << "); stopped\n";
    return true;
}

int RunUndoCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const TCommandSyntax& syntax = *FindCommandSyntax("undo");
    const bool dryRun = line.Has("--dry-run");
    const bool json = line.Has("--json");
    std::string unexpected;
    const int number = BatchNumber(line.Operands, unexpected);
    if (number == 0 && !line.Operands.empty()) {
        return UsageError(err, syntax, "unexpected argument '" + unexpected + "'");
    }
    if (line.Has("--list")) {
        return number != 0 || dryRun ? UsageError(err, syntax, "--list takes no N and no --dry-run")
                                     : ListBatches(json, out);
    }
    const TUndoChoice choice = ChooseUndoBatch(CommandJournalFolder(), number);
    for (const TFileFailure& damaged : choice.Damaged) {
        err << "cantrel-cli undo: " << damaged.Path << ": " << damaged.Text << " (skipped)\n";
    }
    if (!choice.Batch || choice.Batch->ChangedCount() == 0) {
        if (choice.Damaged.empty() || number == 0) {
            err << "cantrel-cli undo: nothing to undo"
                << (number != 0 ? " in batch " + std::to_string(number) : std::string()) << '\n';
        }
        return 2;
    }
    const TJournalBatch& batch = *choice.Batch;
    const std::vector<std::string> paths = UndoPaths(batch);
    std::vector<std::string> oldPaths;
    for (auto it = batch.Entries.rbegin(); it != batch.Entries.rend(); ++it) {
        if (it->MayBeChanged()) {
            oldPaths.push_back(it->Path);
        }
    }
    TFileReport report(out, json);
    TBatchControl control;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        report.Add({{"path", paths[index]},
                    {"old", oldPaths[index]},
                    {"status", UndoStatus(outcome, dryRun)}});
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli undo: " << LineText(paths[index]) << ": " << outcome.Failure.Text
                << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), JournalUndo, std::time(nullptr), batch.Number);
    control.Journal = &journal;
    const TBatchResult result = UndoBatch(batch, control, dryRun, choice.Undos);
    report.Finish();
    ReportJournalFailure("undo", journal, err);
    return result.Failures.empty() ? 0 : 1;
}
