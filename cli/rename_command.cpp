#include "batch/macro_rename.h"
#include "cli/commands.h"
#include "cli/help_option.h"
#include "cli/json_text.h"
#include "cli/write_command.h"
#include "journal/journal_session.h"

#include <ctime>

namespace {

const char* const RenameUsage =
    "Usage: cantrel-cli rename [--limit-64] [--dry-run] [--json] MACRO FILE...\n"
    "\n"
    "Renames each FILE to its folder, the file-name MACRO expanded for it, and \".mp3\". A \"\\\"\n"
    "or \"/\" typed in MACRO starts a subfolder, created when missing; one that comes from a\n"
    "value of the file (an artist \"AC/DC\") becomes \"-\". The new name always stays below the\n"
    "file's folder: an expansion that starts with \"/\" or \"\\\" is taken from that folder, and\n"
    "one with a \"..\" folder is refused. A file is never renamed over another one, only\n"
    "regular files are renamed, and an empty name (\".mp3\" alone) is refused.\n"
    "\n"
    "  --limit-64    refuse new names (extension included) longer than 64 characters\n"
    "  --dry-run     only say what would happen: nothing is touched, not even a folder; a\n"
    "                file the real run would refuse is refused alike\n"
    "  --json        print a JSON array of objects with the keys old, new and status\n"
    "  --            end of options: a MACRO that starts with \"-\" follows\n"
    "  -h, --help    show this help\n"
    "\n"
    "Prints \"OLD<TAB>NEW<TAB>STATUS\" per file, STATUS one of: renamed, unchanged (the new\n"
    "name is the present one), planned (--dry-run), too-long (--limit-64), exists (another\n"
    "file has the new name), failed:ERRNO (2: no such file; 22: not a regular file, an empty\n"
    "name or a \"..\" folder; 36: a name the file system cannot hold).\n"
    "Exit status: 0 every file done, 1 some file refused or failed, 2 usage error.\n"
    "\n"
    "Example: cantrel-cli rename '%a,t%\\%alb,t%\\%tr,t%. %t,t%' *.mp3\n";

struct TRenameArgs
{
    TRenameOptions Options;
    bool Json = false;
    std::string Macro;
    std::vector<std::string> Files;
};

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

int RunRenameCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const TTagCodePage& codePage)
{
    if (AsksForHelp(args)) {
        out << RenameUsage;
        return 0;
    }
    TRenameArgs parsed;
    std::vector<std::string> positional;
    if (const auto unknown = SplitOptions(args,
                                          {{"--limit-64", &parsed.Options.LimitTo64},
                                           {"--dry-run", &parsed.Options.DryRun},
                                           {"--json", &parsed.Json}},
                                          positional)) {
        return UsageError(err, "rename",
                          "unknown option '" + *unknown +
                              "' (put -- before a MACRO that starts with '-')",
                          RenameUsage);
    }
    if (positional.size() < 2) {
        return UsageError(err, "rename",
                          positional.empty() ? "MACRO and FILE missing" : "FILE missing",
                          RenameUsage);
    }
    const std::vector<std::string> files(positional.begin() + 1, positional.end());
    parsed.Options.CodePage = codePage;
    TMacroRenamer renamer(positional.front(), TRegionalSettings::FromProcessLocale(),
                          parsed.Options);
    renamer.ReadAhead(files);

    std::string newPath;
    const TFileStep step = [&](const std::string& path, const TYieldFn& yield) {
        TRenameOutcome result = renamer.Rename(path, yield);
        newPath = std::move(result.NewPath);
        return result.Outcome;
    };
    TBatchControl control;
    bool reported = false;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        reported = true;
        const std::string status = StatusOf(outcome, parsed.Options.DryRun);
        if (parsed.Json) {
            out << (index == 0 ? "[\n" : ",\n") << "  {\"old\": " << JsonString(files[index])
                << ", \"new\": " << JsonString(newPath) << ", \"status\": " << JsonString(status)
                << "}";
        } else {
            out << files[index] << '\t' << newPath << '\t' << status << '\n';
        }
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli rename: " << files[index] << ": " << outcome.Failure.Text << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), JournalRename, std::time(nullptr));
    if (!parsed.Options.DryRun) {
        control.Journal = &journal;
    }
    const TBatchResult result = RunBatch(files, step, control);
    ReportJournalFailure("rename", journal, err);
    if (parsed.Json) {
        // a batch stopped by its journal before the first file reported none
        out << (reported ? "\n]\n" : "[]\n");
    }
    return result.Failures.empty() ? 0 : 1;
}
