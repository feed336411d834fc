#include "batch/id3v2_copy.h"
#include "batch/id3v2_write.h"
#include "engine/mpeg_audio.h"
#include "journal/journal_session.h"
#include "ui/components/lossy_question.h"
#include "ui/components/prompts.h"
#include "ui/components/throttled_yield.h"
#include "ui/main/main_window.h"

#include <memory>

// The copies between a file's two tags, chosen from the file list's menu: the ID3v1 tag filled
// from the ID3v2 tag, and the ID3v2 tag from the ID3v1 tag. Each runs as one batch through
// RunCommand, asks once it knows what it would change, and is undone like any other batch.

void TMainWindow::CopyId3v2Chosen()
{
    const auto plan = [this](const std::vector<std::string>& paths) -> std::optional<TCommandPlan> {
        // the files are read once before the question, which says how many have something to give
        emit ProgressShown(true);
        emit ProgressReported(1, 1, tr("Waiting ..."));
        const std::size_t tagged = CountId3v2Tags(paths, [this] { (*Yield)(); });
        emit ProgressShown(false);
        if (Work.Activity.StopRequested()) {
            return std::nullopt;
        }
        const QString count = tr("Files with an ID3v2 tag: %1 of %2")
                                  .arg(static_cast<qulonglong>(tagged))
                                  .arg(static_cast<qulonglong>(paths.size()));
        if (tagged == 0) {
            Prompts.Inform(this, tr("Attention !"), count);
            return std::nullopt;
        }
        if (!Prompts.Confirm(this, tr("Attention !"),
                             tr("... Copy ID3v2 TAG to ID3v1 TAG ? ...\n\n") + count)) {
            return std::nullopt;
        }
        struct TCopy
        {
            TMPEGAudio Audio; // one for the batch: it keeps what it learns
            bool Lossy = false;
        };
        auto copy = std::make_shared<TCopy>(TCopy{TMPEGAudio(Work.Options.TagCodePage)});
        const TFileStep step = [copy](const std::string& path, const TYieldFn& yield) {
            return CopyId3v2ToId3v1(copy->Audio, path, false, yield, copy->Lossy).Outcome;
        };
        // what a file's ID3v2 tag holds is known only once it is read: the files with characters
        // the code page cannot hold were left as they were, and are written now if the user
        // agrees (a second batch, undone on its own); otherwise they stay listed
        const auto again = [this, copy, step](TBatchResult& result) {
            const auto unencodable = [](const TFileFailure& failure) {
                return failure.Reason == TFailureReason::Unencodable;
            };
            std::vector<std::string> lossyFiles;
            for (const TFileFailure& failure : result.Failures) {
                if (unencodable(failure)) {
                    lossyFiles.push_back(failure.Path);
                }
            }
            if (lossyFiles.empty() || Work.Activity.StopRequested() ||
                !AskWriteLossy(Prompts, this, lossyFiles)) {
                return;
            }
            copy->Lossy = true;
            std::erase_if(result.Failures, unencodable);
            const bool wholePath = Work.WholePathMode;
            const TBatchResult second = RunControlledBatch(
                [&](const TBatchControl& control) { return RunBatch(lossyFiles, step, control); },
                true, JournalCopyV2);
            emit ProgressShown(false);
            if (wholePath) {
                ShowListAgain();
            }
            result.Failures.insert(result.Failures.end(), second.Failures.begin(),
                                   second.Failures.end());
        };
        return TCommandPlan{
            [paths, step](const TBatchControl& control) { return RunBatch(paths, step, control); },
            again};
    };
    if (RunCommand(TBatchCommand::CopyId3v2, plan)) {
        RedisplayFile(); // the displayed file may have its ID3v1 tag now
    }
}

void TMainWindow::CopyId3v1Chosen()
{
    const auto plan = [this](const std::vector<std::string>& paths) -> std::optional<TCommandPlan> {
        // files without an ID3v1 tag have nothing to give and are left as they are
        const QString count = tr("Files: %1").arg(static_cast<qulonglong>(paths.size()));
        if (!Prompts.Confirm(this, tr("Attention !"),
                             tr("... Copy ID3v1 TAG to ID3v2 TAG ? ...\n\n") + count)) {
            return std::nullopt;
        }
        // one reader for the batch: it keeps what it learns between files
        auto audio = std::make_shared<TMPEGAudio>(Work.Options.TagCodePage);
        const TFileStep step = [audio](const std::string& path, const TYieldFn& yield) {
            return CopyId3v1ToId3v2(*audio, path, false, yield).Outcome;
        };
        return TCommandPlan{
            [paths, step](const TBatchControl& control) { return RunBatch(paths, step, control); },
            {}};
    };
    if (RunCommand(TBatchCommand::CopyId3v1, plan)) {
        RedisplayFile(); // the displayed file's ID3v2 tag may have changed
    }
}
