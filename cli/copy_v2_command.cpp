#include "batch/id3v2_copy.h"
#include "cli/commands.h"
#include "cli/file_report.h"
#include "cli/line_text.h"
#include "cli/write_command.h"
#include "engine/mpeg_audio.h"
#include "journal/journal_session.h"

#include <ctime>

int RunCopyBatch(std::string_view command, const TCommandLine& line, const TCopyStep& copy,
                 std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& files = line.Operands;
    if (files.empty()) {
        return UsageError(err, *FindCommandSyntax(command), "no file given");
    }
    const bool dryRun = line.Has("--dry-run");
    TMPEGAudio audio(line.CodePage); // one for the batch: it keeps what it learns between files
    std::string status;
    const TFileStep step = [&](const std::string& path, const TYieldFn& yield) {
        TFileOutcome outcome = copy(audio, path, dryRun, yield, status);
        if (status.empty()) {
            status = outcome.Status == TFileStatus::Done        ? (dryRun ? "planned" : "written")
                     : outcome.Status == TFileStatus::Unchanged ? "unchanged"
                                                                : RefusedStatus(outcome.Failure);
        }
        return outcome;
    };
    TFileReport report(out, line.Has("--json"));
    TBatchControl control;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        report.Add({{"file", files[index]}, {"status", status}});
        status.clear();
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli " << command << ": " << LineText(files[index]) << ": "
                << outcome.Failure.Text << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), std::string(command), std::time(nullptr));
    if (!dryRun) {
        control.Journal = &journal; // so that `cantrel-cli undo` can take the copy back
    }
    const TBatchResult result = RunBatch(files, step, control);
    const bool journalFailed = ReportJournalFailure(command, journal, err);
    // a batch stopped by its journal before the first file reported none: an empty array then
    report.Finish();
    return result.Failures.empty() && !journalFailed ? 0 : 1;
}

int RunCopyV2Command(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const bool lossy = line.Has("--lossy");
    return RunCopyBatch(
        JournalCopyV2, line,
        [&](TMPEGAudio& audio, const std::string& path, bool dryRun, const TYieldFn& yield,
            std::string& status) {
            TId3v2CopyOutcome copied = CopyId3v2ToId3v1(audio, path, dryRun, yield, lossy);
            if (copied.NoId3v2) {
                status = "no-id3v2";
            }
            return copied.Outcome;
        },
        out, err);
}
