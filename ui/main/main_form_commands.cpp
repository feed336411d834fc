#include "batch/id3v2_copy.h"
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
#include "ui/main/file_list_model.h"
#include "ui/main/main_form.h"
#include "ui/main/throttled_yield.h"
#include "workspace/display_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include <algorithm>
#include <ctime>

// The batch commands of the main window: write the tag boxes into files, remove their tags,
// rename them from the file-name macro and fill their ID3v1 tags from their ID3v2 tags, each on the
// selected files or on every listed file (whole-path mode), and the whole-path switch itself. The
// files are changed by the batch core; the window asks, shows the progress and hands the files that
// failed to the error window.

namespace {

const QString AttentionCaption = QStringLiteral("Attention !");
const QString WriteAllQuestion = QStringLiteral("... Write ID3 TAG to ALL Files in Path ? ...");
const QString WriteSelectedQuestion =
    QStringLiteral("... Write ID3 TAG to ALL SELECTED Files ? ...");
const QString ClearAllQuestion = QStringLiteral("... Clear ID3 TAG to ALL Files in Path ? ...");
const QString ClearSelectedQuestion =
    QStringLiteral("... Clear ID3 TAG to ALL SELECTED Files ? ...");
const QString RenameAllQuestion = QStringLiteral("... Write File Name to ALL Files in Path ? ...");
const QString RenameSelectedQuestion =
    QStringLiteral("... Write File Name to All SELECTED Files ? ...");
const QString CopyId3v2Question = QStringLiteral("... Copy ID3v2 TAG to ID3v1 TAG ? ...\n\n");
const QString NameTooLongNotice = QStringLiteral("Errors Found in \"Extraction TAG Formula\" !");

std::optional<std::string> BoxText(const QWidget* box, const QString& text)
{
    return box->isEnabled() ? std::optional(text.toStdString()) : std::nullopt;
}

QString RenameErrorText(const std::string& oldPath, const std::string& newPath)
{
    return QStringLiteral("Error renaming file   \n\n%1\n  to  \n%2")
        .arg(DisplayPath(oldPath), DisplayPath(newPath));
}

} // namespace

TTagBoxTexts T_MainForm::TagBoxTexts() const
{
    // a typed genre that Enter has not yet matched to an entry names no genre, so the file's
    // own stays: a write never stores a genre the box does not show
    const int genre = Genre_CB->currentIndex();
    const QString shownGenre = Genre_CB->currentText();
    const bool typed =
        genre < 0 || shownGenre.compare(Genre_CB->itemText(genre), Qt::CaseInsensitive) != 0;
    return {BoxText(TitleEdit, TitleEdit->currentText()),
            BoxText(ArtistEdit, ArtistEdit->currentText()),
            BoxText(AlbumEdit, AlbumEdit->currentText()),
            BoxText(YearEdit, YearEdit->currentText()),
            BoxText(CommentEdit, CommentEdit->currentText()),
            BoxText(Genre_CB, typed ? shownGenre : Genre_CB->itemText(genre)),
            BoxText(Track_ME, Track_ME->text())};
}

std::vector<std::string> T_MainForm::CommandFiles() const
{
    if ((!Work.WholePathMode && SelectedRows().empty()) || CurrentRow() < 0) {
        return {};
    }
    const std::size_t listed = std::min<std::size_t>(FileModel->rowCount(), Work.Files.Size());
    std::vector<std::string> paths;
    for (const std::size_t row : ProcessedRows(listed, SelectedRows(), Work.WholePathMode)) {
        paths.push_back(Work.Files[row].FullName());
    }
    return paths;
}

std::vector<std::string> T_MainForm::CommandPaths(const QString& wholePathQuestion,
                                                  const QString& selectedQuestion)
{
    if (Work.WholePathMode && !Prompts.Confirm(this, AttentionCaption, wholePathQuestion)) {
        return {};
    }
    std::vector<std::string> paths = CommandFiles();
    if (!Work.WholePathMode && paths.size() > 1 &&
        !Prompts.Confirm(this, AttentionCaption, selectedQuestion)) {
        return {};
    }
    return paths;
}

TBatchResult T_MainForm::RunFileBatch(const std::vector<std::string>& paths, const TFileStep& step,
                                      bool showProgress, const char* journalKind)
{
    return RunControlledBatch(
        [&](const TBatchControl& control) { return RunBatch(paths, step, control); }, showProgress,
        journalKind);
}

TBatchResult T_MainForm::RunFileBatch(const std::vector<std::string>& paths, const TFileRead& read,
                                      bool showProgress, const char* journalKind)
{
    return RunControlledBatch(
        [&](const TBatchControl& control) { return RunBatch(paths, read, control); }, showProgress,
        journalKind);
}

TBatchResult
T_MainForm::RunControlledBatch(const std::function<TBatchResult(const TBatchControl&)>& run,
                               bool showProgress, const char* journalKind)
{
    const bool wholePath = Work.WholePathMode;
    if (wholePath) {
        // the boxes keep what the user typed: no selection events while the files go by
        const QSignalBlocker blocker(FileList->selectionModel());
        FileList->hide();
        FileList->setSelectionMode(QAbstractItemView::SingleSelection);
        MoveCurrentRow(0);
    }
    TBatchControl control;
    control.Yield = [this] { (*Yield)(); };
    // the window is closing: the files not reached yet stay as they are
    control.Cancelled = [this] { return Work.Activity.StopRequested(); };
    control.CountFromOne = !wholePath;
    if (showProgress) {
        control.Progress = [this](int position, int range, const std::string& text) {
            emit ProgressReported(position, range, QString::fromStdString(text));
        };
        emit ProgressShown(true);
    }
    TJournalSession journal(Work.JournalFolder, journalKind, std::time(nullptr));
    control.Journal = &journal;
    return run(control);
}

void T_MainForm::ShowListAgain()
{
    const QSignalBlocker blocker(FileList->selectionModel());
    FileList->show();
    FileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileList->clearSelection();
}

void T_MainForm::Write_Tag_SBClick()
{
    Work.Activity.Run(TActivityKind::Batch, [this] {
        const std::vector<std::string> paths =
            CommandPaths(WriteAllQuestion, WriteSelectedQuestion);
        if (paths.empty()) {
            return;
        }
        const bool wholePath = Work.WholePathMode;
        const TTagEdits edits = TagEditsFromBoxes(TagBoxTexts());
        // every file gets the same texts, and its own always fit the code page: when the boxes
        // hold a character the code page lacks, every file would get a "?" for it
        if (TagLosesCharacters(EditedTag({}, edits), Options.TagCodePage) &&
            !AskWriteLossy(Prompts, this, paths)) {
            return;
        }
        TMPEGAudio audio(
            Options.TagCodePage); // one for the batch: it keeps what it learns between files
        const TBatchResult result =
            RunFileBatch(paths, TFileRead([&](const std::string& path, const TYieldFn& yield) {
                             return ReadForTagWrite(audio, path, edits, yield);
                         }),
                         true, JournalWrite);
        emit ProgressShown(false);
        if (wholePath) {
            ShowListAgain();
        }
        if (!result.Failures.empty()) {
            emit FilesFailed(result.Failures);
        }
    });
}

void T_MainForm::ClearTags_SBClick()
{
    Work.Activity.Run(TActivityKind::Batch, [this] {
        const std::vector<std::string> paths =
            CommandPaths(ClearAllQuestion, ClearSelectedQuestion);
        if (paths.empty()) {
            return;
        }
        const bool wholePath = Work.WholePathMode;
        const TBatchResult result = RunFileBatch(
            paths, [](const std::string& path, const TYieldFn&) { return ClearTagOfFile(path); },
            false, JournalClear);
        if (wholePath) {
            ShowListAgain();
        }
        if (!result.Failures.empty()) {
            emit FilesFailed(result.Failures);
        }
    });
}

void T_MainForm::SetFileName_SBClick()
{
    Work.Activity.Run(TActivityKind::Batch, [this] {
        const std::vector<std::string> paths =
            CommandPaths(RenameAllQuestion, RenameSelectedQuestion);
        if (paths.empty()) {
            return;
        }
        const bool wholePath = Work.WholePathMode;
        TMacroRenamer renamer(
            Macro_Edit->text().toStdString(), Regional,
            {.LimitTo64 = Options.LimitTo64, .DryRun = false, .CodePage = Options.TagCodePage});
        renamer.ReadAhead(paths);
        const auto step = [&](const std::string& oldPath, const TYieldFn& yield) {
            TRenameOutcome renamed = renamer.Rename(oldPath, yield);
            // the preview follows the file at hand
            const std::string& newPath = renamed.NewPath;
            const std::size_t start =
                std::min(WithTrailingSlash(FolderPart(oldPath)).size(), newPath.size());
            const std::size_t end =
                std::max(start, newPath.size() - std::min<std::size_t>(4, newPath.size()));
            MacroPreview_Label->setText(DisplayPath(newPath.substr(start, end - start)));
            TFileOutcome& outcome = renamed.Outcome;
            if (outcome.Status != TFileStatus::Refused) {
                return outcome;
            }
            if (outcome.Failure.Reason == TFailureReason::NameTooLong) {
                // listed under the new name; a run over the selected files adds its length
                outcome.Failure.Text =
                    wholePath ? std::string() : std::to_string(NewNameLength(newPath));
                if (wholePath) {
                    ErrorPanel->SetCaption(NameTooLongNotice);
                }
            } else {
                Prompts.Inform(this, QStringLiteral("Cantrel"), RenameErrorText(oldPath, newPath));
            }
            return outcome;
        };
        const TBatchResult result = RunFileBatch(paths, step, true, JournalRename);

        emit ProgressReported(1, 1, QStringLiteral("Waiting ..."));
        if (wholePath) {
            ShowListAgain();
        }
        RescanFolder(); // the list shows the new names
        if (wholePath) {
            SwitchWholePathMode(); // a whole-path rename always ends outside the mode
        }
        emit ProgressShown(false);
        emit FilesFailed(result.Failures); // a rename starts the error list afresh
    });
}

void T_MainForm::CopyId3v2Click()
{
    bool copied = false;
    Work.Activity.Run(TActivityKind::Batch, [&] {
        const std::vector<std::string> paths = CommandFiles();
        if (paths.empty()) {
            return;
        }
        // the files are read once before the question, which says how many have something to give
        emit ProgressShown(true);
        emit ProgressReported(1, 1, QStringLiteral("Waiting ..."));
        const std::size_t tagged = CountId3v2Tags(paths, [this] { (*Yield)(); });
        emit ProgressShown(false);
        if (Work.Activity.StopRequested()) {
            return;
        }
        const QString count = QStringLiteral("Files with an ID3v2 tag: %1 of %2")
                                  .arg(static_cast<qulonglong>(tagged))
                                  .arg(static_cast<qulonglong>(paths.size()));
        if (tagged == 0) {
            Prompts.Inform(this, AttentionCaption, count);
            return;
        }
        if (!Prompts.Confirm(this, AttentionCaption, CopyId3v2Question + count)) {
            return;
        }
        const bool wholePath = Work.WholePathMode;
        TMPEGAudio audio(Options.TagCodePage); // one for the batch: it keeps what it learns
        bool lossy = false;
        const auto copy = [&](const std::string& path, const TYieldFn& yield) {
            return CopyId3v2ToId3v1(audio, path, false, yield, lossy).Outcome;
        };
        TBatchResult result = RunFileBatch(paths, copy, true, JournalCopyV2);
        emit ProgressShown(false);
        if (wholePath) {
            ShowListAgain();
        }
        // what a file's ID3v2 tag holds is known only once it is read: the files with characters
        // the code page cannot hold were left as they were, and are written now if the user
        // agrees (a second batch, undone on its own); otherwise they stay listed
        const auto unencodable = [](const TFileFailure& failure) {
            return failure.Reason == TFailureReason::Unencodable;
        };
        std::vector<std::string> lossyFiles;
        for (const TFileFailure& failure : result.Failures) {
            if (unencodable(failure)) {
                lossyFiles.push_back(failure.Path);
            }
        }
        if (!lossyFiles.empty() && !Work.Activity.StopRequested() &&
            AskWriteLossy(Prompts, this, lossyFiles)) {
            lossy = true;
            std::erase_if(result.Failures, unencodable);
            const TBatchResult again = RunFileBatch(lossyFiles, copy, true, JournalCopyV2);
            emit ProgressShown(false);
            if (wholePath) {
                ShowListAgain();
            }
            result.Failures.insert(result.Failures.end(), again.Failures.begin(),
                                   again.Failures.end());
        }
        if (!result.Failures.empty()) {
            emit FilesFailed(result.Failures);
        }
        copied = true;
    });
    if (copied) {
        RedisplayFile(); // the displayed file may have its ID3v1 tag now
    }
}

void T_MainForm::WholePath_PanelClick()
{
    Work.Activity.Run(TActivityKind::Batch, [this] { SwitchWholePathMode(); });
}

void T_MainForm::SwitchWholePathMode()
{
    All_CB->toggle(); // All_CBClick follows with the mode and its colours
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
        Work.Fields.SeveralFiles(FieldCheckStates());
        ApplyEnabledFields();
    } else if (const auto own = Work.Fields.OneFile()) {
        SetFieldChecks(*own);
    }
}
