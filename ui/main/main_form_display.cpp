#include "batch/rename_file.h"
#include "engine/format_items.h"
#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "ui/components/display_path.h"
#include "ui/components/panel.h"
#include "ui/components/prompts.h"
#include "ui/main/main_form.h"
#include "ui/main/throttled_yield.h"
#include "workspace/display_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

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
    for (const QModelIndex& index : ListBox1->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    return rows;
}

std::string T_MainForm::CurrentFileName() const
{
    const std::size_t listed = std::min<std::size_t>(ListBox1->count(), Work.Files.Size());
    const auto row = DisplayedRow(listed, SelectedRows(), ListBox1->currentRow());
    return row ? Work.Files[*row].FullName() : std::string();
}

TListState T_MainForm::ListState() const
{
    TListState list;
    list.WholePathMode = Work.WholePathMode;
    list.MultiSelect = ListBox1->selectionMode() != QAbstractItemView::SingleSelection;
    list.ItemCount = ListBox1->count();
    list.SelectedItems = static_cast<int>(ListBox1->selectionModel()->selectedIndexes().size());
    list.HasCurrent = ListBox1->currentRow() >= 0;
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
    Panel25->setText(Text(counts));
}

void T_MainForm::ListBox1Click()
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
    if (ListBox1->currentRow() >= 0) {
        ShowFileInfo(CurrentAudio->FileName);
        if (RememberCounts().front() == '0') {
            ClearTagFields();
        }
    }
    if (ListBox1->selectionModel()->selectedIndexes().size() > 1) {
        Work.Fields.SeveralFiles(FieldCheckStates());
        ApplyEnabledFields(); // the checks follow EnabledFields
    } else if (const auto own = Work.Fields.OneFile()) {
        // back to one file: the user's own choices return; in one-file mode they are the
        // user's to keep, so a plain change of file leaves them alone
        SetFieldChecks(*own);
    }
    UpdateCounters();
}

void T_MainForm::ListBox1CurrentChanged()
{
    // With several files selected the focused one is on display: moving the focus alone
    // changes the file.
    if (ListBox1->selectionModel()->selectedIndexes().size() > 1) {
        ListBox1Click();
    }
}

void T_MainForm::ListBox1KeyUp()
{
    Label15->setText(Text(FormatItems(*CurrentAudio, Edit6->text().toStdString(), Regional)));
}

void T_MainForm::ListBox1MouseMove()
{
    if (ListBox1->currentRow() < 0) {
        return;
    }
    const std::string path = CurrentFileName();
    Panel8->setText(DisplayPath(FolderPart(path)));
    Panel20->setText(DisplayPath(NamePart(path)));
}

void T_MainForm::ListBox1DblClick()
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
    Panel15->setText(Text(DurationText(duration.Hour, duration.Minute, duration.Second) + "  "));
    if (const auto size = FileSizeText(audio.FileLength)) {
        Panel16->setText(Text(*size));
    }
    Panel17->setText(Text(VersionText(audio.Version, audio.Layer)));
    Panel18->setText(Text(ModeText(audio.ModeName())));
    Panel28->setText(Text(BitRateText(audio.BitRate)));
    Panel31->setText(Text(PlainNumberText(audio.SampleRate)));
    Panel32->setText(Text(PlainNumberText(audio.FrameLength)));
}

void T_MainForm::ClearInfoPanels()
{
    for (QLabel* panel : {Panel15, Panel16, Panel17, Panel18, Panel28, Panel31, Panel32}) {
        panel->clear();
    }
    Panel25->setText(QStringLiteral("0 / 0"));
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
    Panel29->SetCaptionColour(checked ? QColor(Qt::red) : QColor(Qt::black));
    QPalette colours = ListBox1->palette();
    colours.setColor(QPalette::Base, palette().color(checked ? QPalette::Dark : QPalette::Base));
    ListBox1->setPalette(colours);
}

void T_MainForm::Edit6Change()
{
    RefreshPreview();
}

void T_MainForm::RefreshPreview()
{
    // expanded as the rename expands it, so the preview shows the name the file will get
    const std::string preview =
        FormatItems(*CurrentAudio, Edit6->text().toStdString(), Regional, TExpansion::FileName);
    Label15->setText(Text(preview));
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
    return Edit6->text();
}

QString T_MainForm::MacroPreview(const QString& macro) const
{
    return Text(FormatItems(*CurrentAudio, macro.toStdString(), Regional, TExpansion::FileName));
}

void T_MainForm::SetMacro(const QString& macro)
{
    Edit6->setText(macro);
}

void T_MainForm::HideFileListForRun(bool hidden)
{
    ListBox1->setVisible(!hidden);
    ListBox1->setSelectionMode(hidden ? QAbstractItemView::SingleSelection
                                      : QAbstractItemView::ExtendedSelection);
    if (!hidden && ListBox1->count() > 0) {
        ListBox1->setCurrentRow(ListBox1->count() - 1);
    }
}

void T_MainForm::RedisplayFile()
{
    const std::string path = CurrentAudio->FileName;
    if (path.empty() || ListBox1->currentRow() < 0) {
        return;
    }
    Work.Activity.Run(TActivityKind::Analysing, [&] {
        CurrentAudio->CodePage = Options.TagCodePage;
        CurrentAudio->SetFileName(path, [this] { (*Yield)(); });
        ShowFileInfo(path);
        RefreshPreview();
    });
}
