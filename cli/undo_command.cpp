#include "cli/commands.h"
#include "cli/help_option.h"
#include "cli/json_text.h"
#include "journal/journal_session.h"
#include "journal/undo_batch.h"

#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

const char* const UndoUsage =
    "Usage: cantrel-cli undo [--list] [--dry-run] [--json] [N]\n"
    "\n"
    "Takes back the newest batch of write, clear, rename, extract --write (or of the windows)\n"
    "not taken back yet, or batch N: each file the batch changed gets its old tag and name back,\n"
    "the last one first. Repeated, it steps back through the batches; undo N of an undo redoes.\n"
    "A file changed since the batch, or whose old name is taken again, is left as it is. The\n"
    "undo is a batch of its own and can be undone in turn. The last 20 batches are kept.\n"
    "\n"
    "  --list       list the batches, newest first: NUMBER<TAB>TIME<TAB>KIND<TAB>FILES\n"
    "  --dry-run    tell what the undo would do, change nothing\n"
    "  --json       print a JSON array instead of lines\n"
    "  -h, --help   show this help\n"
    "\n"
    "Prints \"PATH<TAB>OLDPATH<TAB>STATUS\" per file: PATH as the batch left it, OLDPATH where\n"
    "the undo puts it, STATUS undone (would-undo in a dry run), changed, name-taken or\n"
    "failed:ERRNO (2: no such file).\n"
    "Exit status: 0 every file put back, 1 some file refused, 2 usage error or nothing to undo.\n";

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
    const std::vector<std::string> files = JournalFiles(CommandJournalFolder());
    out << (json ? "[" : "");
    for (std::size_t i = 0; i < files.size(); ++i) {
        const TJournalBatch batch = ReadJournalBatch(files[i]);
        // a batch that stopped before its end (killed, or still running) says so
        const std::string kind = !batch.Damage.empty() ? "damaged: " + batch.Damage
                                 : batch.Finished      ? batch.Kind
                                                       : batch.Kind + " (unfinished)";
        if (json) {
            out << (i == 0 ? "\n" : ",\n") << "  {\"number\": " << batch.Number
                << ", \"time\": " << JsonString(LocalTime(batch.Time))
                << ", \"kind\": " << JsonString(kind) << ", \"files\": " << batch.ChangedCount()
                << "}";
        } else {
            out << batch.Number << '\t' << LocalTime(batch.Time) << '\t' << LineText(kind) << '\t'
                << batch.ChangedCount() << '\n';
        }
    }
    out << (json ? (files.empty() ? "]\n" : "\n]\n") : "");
    return 0;
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

int RunUndoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (AsksForHelp(args)) {
        out << UndoUsage;
        return 0;
    }
    bool list = false;
    bool dryRun = false;
    bool json = false;
    int number = 0;
    for (const std::string& arg : args) {
        if (arg == "--list") {
            list = true;
        } else if (arg == "--dry-run") {
            dryRun = true;
        } else if (arg == "--json") {
            json = true;
        } else if (number == 0 && !arg.empty() &&
                   arg.find_first_not_of("0123456789") == std::string::npos && arg.size() < 10 &&
                   std::atoi(arg.c_str()) > 0) {
            number = std::atoi(arg.c_str());
        } else {
            return UsageError(err, "undo", "unexpected argument '" + arg + "'", UndoUsage);
        }
    }
    if (list) {
        return number != 0 || dryRun
                   ? UsageError(err, "undo", "--list takes no N and no --dry-run", UndoUsage)
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
    TBatchControl control;
    bool reported = false;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        reported = true;
        const std::string status = UndoStatus(outcome, dryRun);
        if (json) {
            out << (index == 0 ? "[\n" : ",\n") << "  {\"path\": " << JsonString(paths[index])
                << ", \"old\": " << JsonString(oldPaths[index])
                << ", \"status\": " << JsonString(status) << "}";
        } else {
            out << paths[index] << '\t' << oldPaths[index] << '\t' << status << '\n';
        }
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli undo: " << paths[index] << ": " << outcome.Failure.Text << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), JournalUndo, std::time(nullptr), batch.Number);
    control.Journal = &journal;
    const TBatchResult result = UndoBatch(batch, control, dryRun, choice.Undos);
    if (json) {
        out << (reported ? "\n]\n" : "[]\n");
    }
    ReportJournalFailure("undo", journal, err);
    return result.Failures.empty() ? 0 : 1;
}
