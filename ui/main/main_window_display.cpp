#include "batch/id3v2_copy.h"
#include "batch/rename_file.h"
#include "engine/format_items.h"
#include "engine/mpeg_audio.h"
#include "ui/components/display_path.h"
#include "ui/components/panel.h"
#include "ui/components/prompts.h"
#include "ui/components/throttled_yield.h"
#include "ui/main/command_strip.h"
#include "ui/main/file_list_model.h"
#include "ui/main/main_window.h"
#include "ui/main/stream_info_panel.h"
#include "ui/main/tag_boxes.h"
#include "workspace/display_texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>

// The file list and what it shows: the selection, the counters, the displayed file's tag and
// stream data, the field modes of the tag boxes and the preview of the file-name macro.

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

std::vector<int> TMainWindow::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : FileList->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    return rows;
}

int TMainWindow::CurrentRow() const
{
    const QModelIndex current = FileList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TMainWindow::MoveCurrentRow(int row)
{
    const auto command = FileList->selectionMode() == QAbstractItemView::SingleSelection
                             ? QItemSelectionModel::ClearAndSelect
                             : QItemSelectionModel::SelectCurrent;
    FileList->selectionModel()->setCurrentIndex(FileModel->index(row), command);
}

std::string TMainWindow::CurrentFileName() const
{
    const auto listed = static_cast<std::size_t>(FileModel->rowCount());
    const auto row = DisplayedRow(listed, SelectedRows(), CurrentRow());
    return row ? Work.Files[*row].FullName() : std::string();
}

TListState TMainWindow::ListState() const
{
    TListState list;
    list.WholePathMode = Work.WholePathMode;
    list.MultiSelect = FileList->selectionMode() != QAbstractItemView::SingleSelection;
    list.ItemCount = FileModel->rowCount();
    list.SelectedItems = static_cast<int>(FileList->selectionModel()->selectedIndexes().size());
    list.HasCurrent = CurrentRow() >= 0;
    return list;
}

std::string TMainWindow::RememberCounts()
{
    LastCounts = CountFiles(ListState());
    return CountsText(LastCounts);
}

void TMainWindow::UpdateCounters()
{
    // the extraction window gets the counts remembered last, and the panel texts of now
    const TCounts handed = LastCounts;
    const std::string counts = RememberCounts();
    emit CountsChanged(handed.Selected, handed.Total, Text(IndexPanelText(handed.Selected)),
                       Text(StatusPanelText(StatusText(ListState()), counts)));
    FileCounter->setText(Text(counts));
}

void TMainWindow::FileSelectionChanged()
{
    // a selection made while the last one is still being read is taken up when that returns
    const bool read = Work.Activity.RunLatest(TActivityKind::Analysing,
                                              [this] { ReadCurrentFile(CurrentFileName()); });
    if (!read) {
        return;
    }

    RefreshPreview();
    if (CurrentRow() >= 0) {
        ShowFileInfo(CurrentAudio->FileName);
        if (RememberCounts().front() == '0') {
            Tags->Clear();
        }
    }
    if (FileList->selectionModel()->selectedIndexes().size() > 1) {
        Work.Fields.SeveralFiles(Tags->CheckStates());
        ApplyEnabledFields(); // the checks follow EnabledFields
    } else if (const auto own = Work.Fields.OneFile()) {
        // back to one file: the user's own choices return; in one-file mode they are the
        // user's to keep, so a plain change of file leaves them alone
        Tags->SetChecks(*own);
    }
    UpdateCounters();
}

void TMainWindow::FileListKeyReleased()
{
    Commands->ShowPreview(
        Text(FormatItems(*CurrentAudio, Commands->MacroText().toStdString(), Regional)));
}

void TMainWindow::FileListPointerMoved()
{
    if (CurrentRow() >= 0) {
        Tools->ShowPointedFile(CurrentFileName());
    }
}

void TMainWindow::FileListDoubleClicked()
{
    const std::string path = CurrentFileName();
    if (!path.empty()) {
        Prompts.OpenUrl(FileUrl(path));
    }
}

void TMainWindow::ShowFileInfo(const std::string& path)
{
    if (CurrentAudio->FileName != path || !(CurrentAudio->CodePage == Work.Options.TagCodePage)) {
        ReadCurrentFile(path);
    }
    Tags->ShowTag(*CurrentAudio);
    ShowId3v2Column();
    StreamInfo->Show(*CurrentAudio);
}

void TMainWindow::ShowId3v2Column()
{
    std::array<bool, FieldCount> disagreeing{};
    if (CurrentId3v2.Fields) {
        const auto id3v1 =
            CurrentAudio->FileState.Trailer ? std::optional(CurrentAudio->Tag()) : std::nullopt;
        disagreeing = FieldsDisagreeing(id3v1, *CurrentId3v2.Fields, CurrentAudio->CodePage);
    }
    Tags->ShowId3v2(CurrentId3v2, disagreeing);
}

void TMainWindow::ReadCurrentFile(const std::string& path)
{
    CurrentAudio->CodePage = Work.Options.TagCodePage;
    CurrentId3v2 = {};
    CurrentAudio->SetFileName(
        path, [this] { (*Yield)(); }, CurrentId3v2);
}

void TMainWindow::ClearInfoPanels()
{
    StreamInfo->Clear();
    FileCounter->setText(QStringLiteral("0 / 0"));
}

void TMainWindow::ApplyEnabledFields()
{
    Tags->SetChecks(Work.Fields.EnabledFields);
}

void TMainWindow::WholePathToggled(bool checked)
{
    Work.WholePathMode = checked;
    WholePathPanel->SetCaptionColour(checked ? QColor(Qt::red) : QColor(Qt::black));
    QPalette colours = FileList->palette();
    colours.setColor(QPalette::Base, palette().color(checked ? QPalette::Dark : QPalette::Base));
    FileList->setPalette(colours);
}

void TMainWindow::RefreshPreview()
{
    // expanded as the rename expands it, so the preview shows the name the file will get
    const std::string preview = FormatItems(*CurrentAudio, Commands->MacroText().toStdString(),
                                            Regional, TExpansion::FileName);
    Commands->ShowPreview(Text(preview));
    if (!CurrentAudio->FileName.empty()) {
        ShowNameLength(RenameTarget(CurrentAudio->FileName, preview));
    }
}

void TMainWindow::ShowNameLength(const std::string& newName)
{
    const std::size_t length = NewNameLength(newName);
    Commands->ShowNameLength(length, ExceedsCdLimit(length));
}

QString TMainWindow::MacroText() const
{
    return Commands->MacroText();
}

QString TMainWindow::MacroPreview(const QString& macro) const
{
    return Text(FormatItems(*CurrentAudio, macro.toStdString(), Regional, TExpansion::FileName));
}

void TMainWindow::SetMacro(const QString& macro)
{
    Commands->SetMacro(macro);
}

void TMainWindow::HideFileListForRun(bool hidden)
{
    FileList->setVisible(!hidden);
    FileList->setSelectionMode(hidden ? QAbstractItemView::SingleSelection
                                      : QAbstractItemView::ExtendedSelection);
    if (!hidden && FileModel->rowCount() > 0) {
        MoveCurrentRow(FileModel->rowCount() - 1);
    }
}

void TMainWindow::RedisplayFile(bool tagBoxesToo)
{
    const std::string path = CurrentAudio->FileName;
    if (path.empty() || CurrentRow() < 0) {
        return;
    }
    Work.Activity.Run(TActivityKind::Analysing, [&] {
        ReadCurrentFile(path);
        if (!tagBoxesToo) {
            ShowId3v2Column();
            return;
        }
        ShowFileInfo(path);
        RefreshPreview();
    });
}
