#include "batch/id3v2_copy.h"
#include "cli/commands.h"
#include "cli/help_option.h"
#include "cli/json_text.h"
#include "cli/write_command.h"
#include "engine/mpeg_audio.h"
#include "journal/journal_session.h"

#include <ctime>

namespace {

const char* const CopyV2Usage =
    "Usage: cantrel-cli copy-v2 [--dry-run] [--lossy] [--json] FILE...\n"
    "\n"
    "Writes the ID3v1 tag of each FILE from its ID3v2 tag: title, artist, album and comment cut\n"
    "to 30 characters, the year as the first four digits of the date, the track as the number\n"
    "before any \"/\" (0 to 255), the genre from \"(N)\", \"N\" or a genre name (any case).\n"
    "A field the ID3v2 tag lacks keeps the file's ID3v1 value. Only the ID3v1 tag at the end of\n"
    "the file is written; the ID3v2 tag and the audio are left as they are.\n"
    "\n"
    "  --dry-run     only say what would happen: nothing is written\n"
    "  --lossy       write characters the code page cannot hold as \"?\"\n"
    "  --json        print a JSON array of objects with the keys file and status\n"
    "  --            end of options: a FILE that starts with \"-\" follows\n"
    "  -h, --help    show this help\n"
    "\n"
    "Prints \"FILE<TAB>STATUS\" per file, STATUS one of: written, unchanged (the ID3v1 tag holds\n"
    "these values already), no-id3v2, planned (--dry-run), unencodable (a text has characters\n"
    "the code page of --codepage cannot hold, such as Cyrillic in WINDOWS-1252; the file is\n"
    "unchanged), not-audio (no MPEG audio found, so its tag was not read and is not written)\n"
    "or failed:ERRNO (2: no such file).\n"
    "Exit status: 0 no file refused, 1 some file refused, 2 usage error (nothing written).\n";

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

int RunCopyV2Command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const TTagCodePage& codePage)
{
    if (AsksForHelp(args)) {
        out << CopyV2Usage;
        return 0;
    }
    bool dryRun = false;
    bool json = false;
    bool lossy = false;
    std::vector<std::string> files;
    if (const auto unknown = SplitOptions(
            args, {{"--dry-run", &dryRun}, {"--lossy", &lossy}, {"--json", &json}}, files)) {
        return UsageError(err, "copy-v2", "unknown option '" + *unknown + "'", CopyV2Usage);
    }
    if (files.empty()) {
        return UsageError(err, "copy-v2", "no file given", CopyV2Usage);
    }

    TMPEGAudio audio(codePage); // one for the batch: it keeps what it learns between files
    TId3v2CopyOutcome copied;
    const TFileStep step = [&](const std::string& path, const TYieldFn& yield) {
        copied = CopyId3v2ToId3v1(audio, path, dryRun, yield, lossy);
        return copied.Outcome;
    };
    TBatchControl control;
    bool reported = false;
    control.Report = [&](std::size_t index, const TFileOutcome& outcome) {
        reported = true;
        const std::string status = StatusOf(copied, dryRun);
        if (json) {
            out << (index == 0 ? "[\n" : ",\n") << "  {\"file\": " << JsonString(files[index])
                << ", \"status\": " << JsonString(status) << "}";
        } else {
            out << files[index] << '\t' << status << '\n';
        }
        if (outcome.Status == TFileStatus::Refused) {
            err << "cantrel-cli copy-v2: " << files[index] << ": " << outcome.Failure.Text << '\n';
        }
    };
    TJournalSession journal(CommandJournalFolder(), JournalCopyV2, std::time(nullptr));
    if (!dryRun) {
        control.Journal = &journal; // so that `cantrel-cli undo` can take the copy back
    }
    const TBatchResult result = RunBatch(files, step, control);
    const bool journalFailed = ReportJournalFailure("copy-v2", journal, err);
    if (json) {
        // a batch stopped by its journal before the first file reported none
        out << (reported ? "\n]\n" : "[]\n");
    }
    return result.Failures.empty() && !journalFailed ? 0 : 1;
}
