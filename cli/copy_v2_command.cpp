#include "batch/id3v2_copy.h"
#include "cli/commands.h"
#include "cli/file_report.h"
#include "cli/line_text.h"
#include "cli/write_command.h"
#include "engine/mpeg_audio.h"
#include "journal/journal_session.h"

#include <ctime>

namespace {

std::string StatusOf(const TId3v2CopyOutcome& copied, bool dryRun)
{
    switch (copied.Outcome.Status) {
    case TFileStatus::Done:
        return dryRun ? "planned" : "written";
    case TFileStatus::Unchanged:
        return copied.NoId3v2 ? "no-id3v2" : "unchanged";
    case TFileStatus::Refused:
        break;
    }
    return RefusedStatus(copied.Outcome.Failure);
}

} // namespace

int RunCopyV2Command(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& files = line.Operands;
    if (files.empty()) {
        return UsageError(err, *FindCommandSyntax("copy-v2"), "no file given");
    }
    const bool dryRun = line.Has("--dry-run");
    const bool lossy = line.Has("--lossy");

    TMPEGAudio audio(line.CodePage); // one for the batch: it keeps what it learns between files
    TId3v2CopyOutcome copied;
    const TFileStep step = [&](const std::string& path, const TYieldFn& yield) {
        copied = CopyId3v2ToId3v1(audio, path, dryRun, yield, lossy);
        return copied.Outcome;
    };
    TFileReport report(out, line.Has("--json"));
    TBatchControl control;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        report.Add({{"file", files[index]}, {"status", StatusOf(copied, dryRun)}});
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli copy-v2: " << LineText(files[index]) << ": " << outcome.Failure.Text
                << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), JournalCopyV2, std::time(nullptr));
    if (!dryRun) {
        control.Journal = &journal; // so that `cantrel-cli undo` can take the copy back
    }
    const TBatchResult result = RunBatch(files, step, control);
    const bool journalFailed = ReportJournalFailure("copy-v2", journal, err);
    // a batch stopped by its journal before the first file reported none: an empty array then
    report.Finish();
    return result.Failures.empty() && !journalFailed ? 0 : 1;
}
