#include "batch/rename_file.h"
#include "engine/format_items.h"
#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "ui/components/display_path.h"
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

namespace {

const QStringList& GenreList()
{
    static const QStringList list = [] {
        QStringList entries;
        for (const auto& entry : GenreEntries()) {
            entries << QString::fromStdString(entry);
        }
        return entries;
    }();
    return list;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

std::vector<int> T_MainForm::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : FileList->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    return rows;
}

int T_MainForm::CurrentRow() const
{
    const QModelIndex current = FileList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void T_MainForm::MoveCurrentRow(int row)
{
    const auto command = FileList->selectionMode() == QAbstractItemView::SingleSelection
                             ? QItemSelectionModel::ClearAndSelect
                             : QItemSelectionModel::SelectCurrent;
    FileList->selectionModel()->setCurrentIndex(FileModel->index(row), command);
}

std::string T_MainForm::CurrentFileName() const
{
    const std::size_t listed = std::min<std::size_t>(FileModel->rowCount(), Work.Files.Size());
    const auto row = DisplayedRow(listed, SelectedRows(), CurrentRow());
    return row ? Work.Files[*row].FullName() : std::string();
}

TListState T_MainForm::ListState() const
{
    TListState list;
    list.WholePathMode = Work.WholePathMode;
    list.MultiSelect = FileList->selectionMode() != QAbstractItemView::SingleSelection;
    list.ItemCount = FileModel->rowCount();
    list.SelectedItems = static_cast<int>(FileList->selectionModel()->selectedIndexes().size());
    list.HasCurrent = CurrentRow() >= 0;
    return list;
}

TCounts T_MainForm::Counts() const
{
    return CountFiles(ListState());
}

std::string T_MainForm::RememberCounts()
{
    LastCounts = Counts();
    return CountsText(LastCounts);
}

QString T_MainForm::StatusText() const
{
    return Text(::StatusText(ListState()));
}

void T_MainForm::UpdateCounters()
{
    // the extraction window gets the counts remembered last, and the panel texts of now
    const TCounts handed = LastCounts;
    const std::string counts = RememberCounts();
    emit CountsChanged(handed.Selected, handed.Total, Text(IndexPanelText(handed.Selected)),
                       Text(StatusPanelText(StatusText().toStdString(), counts)));
    FileCounter->setText(Text(counts));
}

void T_MainForm::FileListClick()
{
    // a selection made while the last one is still being read is taken up when that returns
    const bool read = Work.Activity.RunLatest(TActivityKind::Analysing, [this] {
        CurrentAudio->CodePage = Options.TagCodePage;
        CurrentAudio->SetFileName(CurrentFileName(), [this] { (*Yield)(); });
    });
    if (!read) {
        return;
    }

    RefreshPreview();
    if (CurrentRow() >= 0) {
        ShowFileInfo(CurrentAudio->FileName);
        if (RememberCounts().front() == '0') {
            ClearTagFields();
        }
    }
    if (FileList->selectionModel()->selectedIndexes().size() > 1) {
        Work.Fields.SeveralFiles(FieldCheckStates());
        ApplyEnabledFields(); // the checks follow EnabledFields
    } else if (const auto own = Work.Fields.OneFile()) {
        // back to one file: the user's own choices return; in one-file mode they are the
        // user's to keep, so a plain change of file leaves them alone
        SetFieldChecks(*own);
    }
    UpdateCounters();
}

void T_MainForm::FileListCurrentChanged()
{
    // With several files selected the focused one is on display: moving the focus alone
    // changes the file.
    if (FileList->selectionModel()->selectedIndexes().size() > 1) {
        FileListClick();
    }
}

void T_MainForm::FileListKeyUp()
{
    MacroPreview_Label->setText(
        Text(FormatItems(*CurrentAudio, Macro_Edit->text().toStdString(), Regional)));
}

void T_MainForm::FileListMouseMove()
{
    if (CurrentRow() < 0) {
        return;
    }
    const std::string path = CurrentFileName();
    CurrentPath_Panel->setText(DisplayPath(FolderPart(path)));
    CurrentFile_Panel->setText(DisplayPath(NamePart(path)));
}

void T_MainForm::FileListDblClick()
{
    const std::string path = CurrentFileName();
    if (!path.empty()) {
        Prompts.OpenUrl(FileUrl(path));
    }
}

void T_MainForm::ShowFileInfo(const std::string& path)
{
    if (CurrentAudio->FileName != path || !(CurrentAudio->CodePage == Options.TagCodePage)) {
        CurrentAudio->CodePage = Options.TagCodePage;
        CurrentAudio->SetFileName(path, [this] { (*Yield)(); });
    }
    const TMPEGAudio& audio = *CurrentAudio;
    TitleEdit->setEditText(Text(audio.Title));
    ArtistEdit->setEditText(Text(audio.Artist));
    AlbumEdit->setEditText(Text(audio.Album));
    YearEdit->setEditText(Text(audio.Year));
    CommentEdit->setEditText(Text(audio.Comment));

    Genre_CB->clear();
    Genre_CB->addItems(GenreList());
    Genre_CB->setCurrentIndex(FindGenreEntry(GenreEntries(), GenreEntryFor(audio.Genre)));
    Track_ME->setText(Text(TrackText(audio.Track)));
    ShowStreamPanels();
}

void T_MainForm::ShowStreamPanels()
{
    const TMPEGAudio& audio = *CurrentAudio;
    const TDateTime duration = audio.DurationTime();
    Duration_Panel->setText(
        Text(DurationText(duration.Hour, duration.Minute, duration.Second) + "  "));
    if (const auto size = FileSizeText(audio.FileLength)) {
        FileSize_Panel->setText(Text(*size));
    }
    Version_Panel->setText(Text(VersionText(audio.Version, audio.Layer)));
    Mode_Panel->setText(Text(ModeText(audio.ModeName())));
    BitRate_Panel->setText(Text(BitRateText(audio.BitRate)));
    SampleRate_Panel->setText(Text(PlainNumberText(audio.SampleRate)));
    FrameLength_Panel->setText(Text(PlainNumberText(audio.FrameLength)));
}

void T_MainForm::ClearInfoPanels()
{
    for (QLabel* panel : {Duration_Panel, FileSize_Panel, Version_Panel, Mode_Panel, BitRate_Panel,
                          SampleRate_Panel, FrameLength_Panel}) {
        panel->clear();
    }
    FileCounter->setText(QStringLiteral("0 / 0"));
}

void T_MainForm::ClearTagFields()
{
    for (QComboBox* box : TextBoxes) {
        box->setEditText(QString());
    }
    Genre_CB->clear();
    Genre_CB->setEditText(QString());
    Track_ME->clear();
}

void T_MainForm::SetFieldEditable(int field, bool editable, const QColor& colour)
{
    QWidget* boxes[] = {TitleEdit,   ArtistEdit, AlbumEdit, YearEdit,
                        CommentEdit, Genre_CB,   Track_ME};
    if (field < 1 || field > FieldCount) {
        return;
    }
    QWidget* box = boxes[field - 1];
    box->setEnabled(editable);
    QPalette colours = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, colour);
    }
    box->setPalette(colours);
}

void T_MainForm::CheckBox_01Click(bool checked)
{
    // the field is the digit that ends the check box's name
    const QString name = sender() != nullptr ? sender()->objectName() : QString();
    const int field = name.isEmpty() ? 0 : name.back().digitValue();
    SetFieldEditable(field, checked,
                     checked ? QColor(Qt::white) : palette().color(QPalette::Button));
}

TFieldChoices T_MainForm::FieldCheckStates() const
{
    TFieldChoices checks{};
    for (int i = 0; i < FieldCount; ++i) {
        checks[i] = FieldChecks[i]->isChecked();
    }
    return checks;
}

void T_MainForm::SetFieldChecks(const TFieldChoices& checks)
{
    // each check box's handler makes its box follow
    for (int i = 0; i < FieldCount; ++i) {
        FieldChecks[i]->setChecked(checks[i]);
    }
}

void T_MainForm::ApplyEnabledFields()
{
    for (int i = 0; i < FieldCount; ++i) {
        const bool enabled = EnabledFields[i];
        SetFieldEditable(i + 1, enabled,
                         enabled ? QColor(Qt::white) : palette().color(QPalette::Button));
    }
    SetFieldChecks(EnabledFields);
}

void T_MainForm::All_CBClick(bool checked)
{
    Work.WholePathMode = checked;
    WholePath_Panel->SetCaptionColour(checked ? QColor(Qt::red) : QColor(Qt::black));
    QPalette colours = FileList->palette();
    colours.setColor(QPalette::Base, palette().color(checked ? QPalette::Dark : QPalette::Base));
    FileList->setPalette(colours);
}

void T_MainForm::Macro_EditChange()
{
    RefreshPreview();
}

void T_MainForm::RefreshPreview()
{
    // expanded as the rename expands it, so the preview shows the name the file will get
    const std::string preview = FormatItems(*CurrentAudio, Macro_Edit->text().toStdString(),
                                            Regional, TExpansion::FileName);
    MacroPreview_Label->setText(Text(preview));
    if (!CurrentAudio->FileName.empty()) {
        UpdateNameLength(RenameTarget(CurrentAudio->FileName, preview));
    }
}

std::size_t T_MainForm::UpdateNameLength(const std::string& newName)
{
    const std::size_t length = NewNameLength(newName);
    NrOfChars_Panel->setText(QString::number(length));
    QPalette colours = NrOfChars_Panel->palette();
    colours.setColor(QPalette::WindowText,
                     ExceedsCdLimit(length) ? QColor(Qt::red) : QColor(Qt::black));
    NrOfChars_Panel->setPalette(colours);
    return length;
}

void T_MainForm::TagBoxKeyUp(QComboBox* box)
{
    const QString text = box->currentText();
    if (box->findText(text, Qt::MatchFixedString) < 0) {
        box->addItem(text);
    }
    box->lineEdit()->selectAll();
}

void T_MainForm::Genre_CBKeyUp()
{
    // the entry the text names becomes the selected one, so that a write stores what the box
    // shows; a text that names none becomes "<unknown>"
    int entry = Genre_CB->findText(Genre_CB->currentText(), Qt::MatchFixedString);
    if (entry < 0) {
        entry = Genre_CB->findText(QString::fromLatin1(UnknownGenreEntry.data()));
    }
    if (entry >= 0) {
        Genre_CB->setCurrentIndex(entry);
    } else {
        Genre_CB->setEditText(QString::fromLatin1(UnknownGenreEntry.data()));
    }
    Genre_CB->lineEdit()->selectAll();
}

QString T_MainForm::MacroText() const
{
    return Macro_Edit->text();
}

QString T_MainForm::MacroPreview(const QString& macro) const
{
    return Text(FormatItems(*CurrentAudio, macro.toStdString(), Regional, TExpansion::FileName));
}

void T_MainForm::SetMacro(const QString& macro)
{
    Macro_Edit->setText(macro);
}

void T_MainForm::HideFileListForRun(bool hidden)
{
    FileList->setVisible(!hidden);
    FileList->setSelectionMode(hidden ? QAbstractItemView::SingleSelection
                                      : QAbstractItemView::ExtendedSelection);
    if (!hidden && FileModel->rowCount() > 0) {
        MoveCurrentRow(FileModel->rowCount() - 1);
    }
}

void T_MainForm::RedisplayFile()
{
    const std::string path = CurrentAudio->FileName;
    if (path.empty() || CurrentRow() < 0) {
        return;
    }
    Work.Activity.Run(TActivityKind::Analysing, [&] {
        CurrentAudio->CodePage = Options.TagCodePage;
        CurrentAudio->SetFileName(path, [this] { (*Yield)(); });
        ShowFileInfo(path);
        RefreshPreview();
    });
}
