#include "batch/id3v2_write.h"
#include "cli/commands.h"
#include "cli/write_command.h"
#include "journal/journal_session.h"

int RunCopyV1Command(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    return RunCopyBatch(
        JournalCopyV1, line,
        [](TMPEGAudio& audio, const std::string& path, bool dryRun, const TYieldFn& yield,
           std::string& status) {
            TId3v1CopyOutcome copied = CopyId3v1ToId3v2(audio, path, dryRun, yield);
            if (copied.NoId3v1) {
                status = "no-id3v1";
            }
            return copied.Outcome;
        },
        out, err);
}
