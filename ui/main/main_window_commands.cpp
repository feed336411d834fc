#include "batch/macro_rename.h"
#include "batch/tag_write.h"
#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "engine/tag_values.h"
#include "journal/journal_session.h"
#include "ui/components/display_path.h"
#include "ui/components/lossy_question.h"
#include "ui/components/panel.h"
#include "ui/components/prompts.h"
#include "ui/components/throttled_yield.h"
#include "ui/main/command_strip.h"
#include "ui/main/file_list_model.h"
#include "ui/main/main_window.h"
#include "ui/main/tag_boxes.h"
#include "workspace/display_texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListView>

#include <utility>

// The batch commands of the main window: write the tag boxes into files, remove their tags and
// rename them from the file-name macro, each on the selected files or on every listed file
// (whole-path mode), and the whole-path switch itself. The
// files are changed by the batch core; every command takes one path through RunCommand, which
// asks, runs the batch under the busy guard, shows the progress and hands the files that failed
// to the error window.

namespace {

// How each command runs its batch: its journal name, whether the progress window shows, and the
// questions asked before a whole-path run and before a run over several selected files (none for
// the copies between the tags, which ask once they know how many files have something to give).
struct TCommandTraits
{
    const char* JournalKind;
    bool ShowsProgress;
    const char* WholePathQuestion;
    const char* SelectedQuestion;
};

const char* const Context = "TMainWindow";

TCommandTraits Traits(TBatchCommand command)
{
    switch (command) {
    case TBatchCommand::WriteTag:
        return {JournalWrite, true,
                QT_TRANSLATE_NOOP("TMainWindow", "... Write ID3 TAG to ALL Files in Path ? ..."),
                QT_TRANSLATE_NOOP("TMainWindow", "... Write ID3 TAG to ALL SELECTED Files ? ...")};
    case TBatchCommand::ClearTag:
        return {JournalClear, false,
                QT_TRANSLATE_NOOP("TMainWindow", "... Clear ID3 TAG to ALL Files in Path ? ..."),
                QT_TRANSLATE_NOOP("TMainWindow", "... Clear ID3 TAG to ALL SELECTED Files ? ...")};
    case TBatchCommand::Rename:
        return {
            JournalRename, true,
            QT_TRANSLATE_NOOP("TMainWindow", "... Write File Name to ALL Files in Path ? ..."),
            QT_TRANSLATE_NOOP("TMainWindow", "... Write File Name to All SELECTED Files ? ...")};
    case TBatchCommand::CopyId3v1:
        return {JournalCopyV1, true, nullptr, nullptr};
    case TBatchCommand::CopyId3v2:
        break;
    }
    return {JournalCopyV2, true, nullptr, nullptr};
}

QString Translated(const char* text)
{
    return QCoreApplication::translate(Context, text);
}

} // namespace

std::vector<std::string> TMainWindow::CommandFiles() const
{
    if ((!Work.WholePathMode && SelectedRows().empty()) || CurrentRow() < 0) {
        return {};
    }
    const auto listed = static_cast<std::size_t>(FileModel->rowCount());
    std::vector<std::string> paths;
    for (const std::size_t row : ProcessedRows(listed, SelectedRows(), Work.WholePathMode)) {
        paths.push_back(Work.Files[row].FullName());
    }
    return paths;
}

bool TMainWindow::RunCommand(TBatchCommand command, const TPlanner& plan)
{
    const TCommandTraits traits = Traits(command);
    const QString attention = tr("Attention !");
    bool ran = false;
    Work.Activity.Run(TActivityKind::Batch, [&] {
        const bool wholePath = Work.WholePathMode;
        if (traits.WholePathQuestion != nullptr && wholePath &&
            !Prompts.Confirm(this, attention, Translated(traits.WholePathQuestion))) {
            return;
        }
        const std::vector<std::string> paths = CommandFiles();
        if (paths.empty() ||
            (traits.SelectedQuestion != nullptr && !wholePath && paths.size() > 1 &&
             !Prompts.Confirm(this, attention, Translated(traits.SelectedQuestion)))) {
            return;
        }
        const std::optional<TCommandPlan> planned = plan(paths);
        if (!planned) {
            return;
        }
        TBatchResult result =
            RunControlledBatch(planned->Run, traits.ShowsProgress, traits.JournalKind);
        const bool rename = command == TBatchCommand::Rename;
        if (rename) {
            emit ProgressReported(1, 1, tr("Waiting ..."));
        } else if (traits.ShowsProgress) {
            emit ProgressShown(false);
        }
        if (wholePath) {
            ShowListAgain();
        }
        if (planned->Then) {
            planned->Then(result);
        }
        if (rename) {
            RescanFolder(); // the list shows the new names
            if (wholePath) {
                SwitchWholePathMode(); // a whole-path rename always ends outside the mode
            }
            emit ProgressShown(false);
        }
        // a rename starts the error list afresh, the others only add to it
        if (rename || !result.Failures.empty()) {
            emit FilesFailed(result.Failures);
        }
        ran = true;
    });
    return ran;
}

TBatchResult
TMainWindow::RunControlledBatch(const std::function<TBatchResult(const TBatchControl&)>& run,
                                bool showProgress, const char* journalKind)
{
    if (Work.WholePathMode) {
        // the boxes keep what the user typed: no selection events while the files go by
        const QSignalBlocker blocker(FileList->selectionModel());
        FileList->hide();
        FileList->setSelectionMode(QAbstractItemView::SingleSelection);
        MoveCurrentRow(0);
    }
    return RunJournaled(Work.JournalFolder, journalKind,
                        ProgressControl(!Work.WholePathMode, showProgress), run);
}

TBatchControl TMainWindow::ProgressControl(bool countFromOne, bool showProgress)
{
    TBatchControl control;
    control.Yield = [this] { (*Yield)(); };
    // the window is closing: the files not reached yet stay as they are
    control.Cancelled = [this] { return Work.Activity.StopRequested(); };
    control.CountFromOne = countFromOne;
    if (showProgress) {
        control.Progress = [this](int position, int range, const std::string& text) {
            emit ProgressReported(position, range, QString::fromStdString(text));
        };
        emit ProgressShown(true);
    }
    return control;
}

void TMainWindow::ShowListAgain()
{
    const QSignalBlocker blocker(FileList->selectionModel());
    FileList->show();
    FileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileList->clearSelection();
}

void TMainWindow::WriteTagClicked()
{
    const bool ran =
        RunCommand(TBatchCommand::WriteTag,
                   [this](const std::vector<std::string>& paths) -> std::optional<TCommandPlan> {
                       const TTagEdits edits = TagEditsFromTexts(Tags->Texts());
                       // every file gets the same texts, and its own always fit the code page: when
                       // the boxes hold a character the code page lacks, every file would get a "?"
                       if (TagLosesCharacters(EditedTag({}, edits), Work.Options.TagCodePage) &&
                           !AskWriteLossy(Prompts, this, paths)) {
                           return std::nullopt;
                       }
                       // one reader for the batch: it keeps what it learns between files
                       auto audio = std::make_shared<TMPEGAudio>(Work.Options.TagCodePage);
                       const TFileRead read = [audio, edits, id3v2 = Work.Options.WriteId3v2](
                                                  const std::string& path, const TYieldFn& yield) {
                           return ReadForTagWrite(*audio, path, edits, yield, id3v2);
                       };
                       return TCommandPlan{[paths, read](const TBatchControl& control) {
                                               return RunBatch(paths, read, control);
                                           },
                                           {}};
                   });
    if (ran) {
        RedisplayFile(false); // the two tags may agree, or not, now
    }
}

void TMainWindow::ClearTagsClicked()
{
    const bool ran =
        RunCommand(TBatchCommand::ClearTag, [this](const std::vector<std::string>& paths) {
            const TFileStep clear = [id3v2 = Work.Options.WriteId3v2](const std::string& path,
                                                                      const TYieldFn&) {
                return ClearTagOfFile(path, id3v2);
            };
            return std::optional(TCommandPlan{[paths, clear](const TBatchControl& control) {
                                                  return RunBatch(paths, clear, control);
                                              },
                                              {}});
        });
    if (ran) {
        RedisplayFile(false); // the two tags may agree, or not, now
    }
}

void TMainWindow::RenameClicked()
{
    RunCommand(TBatchCommand::Rename, [this](const std::vector<std::string>& paths) {
        const bool wholePath = Work.WholePathMode;
        const TRenameOptions options{.LimitTo64 = Work.Options.LimitTo64,
                                     .DryRun = false,
                                     .CodePage = Work.Options.TagCodePage};
        auto renamer =
            std::make_shared<TMacroRenamer>(Commands->MacroText().toStdString(), Regional, options);
        renamer->ReadAhead(paths);
        const TFileStep step = [this, renamer, wholePath](const std::string& oldPath,
                                                          const TYieldFn& yield) {
            TRenameOutcome renamed = renamer->Rename(oldPath, yield);
            // the preview follows the file at hand
            const std::string& newPath = renamed.NewPath;
            const std::size_t start =
                std::min(WithTrailingSlash(FolderPart(oldPath)).size(), newPath.size());
            const std::size_t end =
                std::max(start, newPath.size() - std::min<std::size_t>(4, newPath.size()));
            Commands->ShowPreview(DisplayPath(newPath.substr(start, end - start)));
            TFileOutcome& outcome = renamed.Outcome;
            if (outcome.Status != TFileStatus::Refused) {
                return outcome;
            }
            if (outcome.Failure.Reason == TFailureReason::NameTooLong) {
                // listed under the new name; a run over the selected files adds its length
                outcome.Failure.Text =
                    wholePath ? std::string() : std::to_string(NewNameLength(newPath));
                if (wholePath) {
                    ErrorNotice->SetCaption(tr("Errors Found in \"Extraction TAG Formula\" !"));
                }
            } else {
                Prompts.Inform(this, QStringLiteral("Cantrel"),
                               tr("Error renaming file   \n\n%1\n  to  \n%2")
                                   .arg(DisplayPath(oldPath), DisplayPath(newPath)));
            }
            return outcome;
        };
        return std::optional(TCommandPlan{
            [paths, step](const TBatchControl& control) { return RunBatch(paths, step, control); },
            {}});
    });
}

void TMainWindow::WholePathPanelClicked()
{
    Work.Activity.Run(TActivityKind::Batch, [this] { SwitchWholePathMode(); });
}

void TMainWindow::SwitchWholePathMode()
{
    WholePathBox->toggle(); // WholePathToggled follows with the mode and its colours
    UpdateCounters();
    const bool on = Work.WholePathMode;
    emit WholePathSwitched(on);
    FileList->setSelectionMode(on ? QAbstractItemView::SingleSelection
                                  : QAbstractItemView::ExtendedSelection);
    if (FileModel->rowCount() > 0) {
        MoveCurrentRow(0);
    }
    if (on) {
        // every file is processed: the fields of the several-files mode
        Work.Fields.SeveralFiles(Tags->CheckStates());
        ApplyEnabledFields();
    } else if (const auto own = Work.Fields.OneFile()) {
        Tags->SetChecks(*own);
    }
}
