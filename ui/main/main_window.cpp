#include "ui/main/main_window.h"

#include "engine/analysis_read_ahead.h"
#include "engine/mpeg_audio.h"
#include "settings/setting_names.h"
#include "settings/stored_settings.h"
#include "ui/auxiliary/about_window.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"
#include "ui/components/hint_table.h"
#include "ui/components/hot_key_manager.h"
#include "ui/components/locale_settings.h"
#include "ui/components/panel.h"
#include "ui/components/prompts.h"
#include "ui/components/throttled_yield.h"
#include "ui/main/command_strip.h"
#include "ui/main/file_list_menu.h"
#include "ui/main/file_list_model.h"
#include "ui/main/help_column.h"
#include "ui/main/scan_mode_bar.h"
#include "ui/main/stream_info_panel.h"
#include "ui/main/tag_boxes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QToolButton>

TMainWindow::TMainWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : QWidget(parent), Work(work), Prompts(prompts), Regional(SystemRegionalSettings()),
      Yield(std::make_unique<TThrottledYield>())
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Cantrel v3.1.7"));
    BuildControls();
    ConnectControls();

    TreeScanner.InitialDirectory = "/";
    TreeScanner.FileMask = "*.mp3";
    TreeScanner.Recursive = false;

    BrowseDirectoryDlg = std::make_unique<TBrowseDirectoryDlg>(Prompts, this);
    BrowseDirectoryDlg->Title = tr("Select Path to MP3 Files to Process ...");
    BrowseDirectoryDlg->ShowSelectionInStatus = true;

    FormInfo = new TFormInfo(this);
    FormInfo->Company = QStringLiteral("Velmor");
    FormInfo->AppName = QStringLiteral("Cantrel");
    FormInfo->FormName = MainWindowSection; // the placement's stored section
    FormInfo->Loaded();

    // The manager sees every key of the program while this window is the active one, and hands
    // the released keys on before the focused control gets them.
    HotKey = new THotKeyManager(this);
    HotKey->setObjectName(QStringLiteral("HotKey"));
    HotKey->SetOnKeyUp([this](THotKeyManager& sender, std::uint16_t& key, TShiftState shift) {
        HotKeyReleased(sender, key, shift);
    });
    HotKey->Loaded();
    LoadState();
}

TMainWindow::~TMainWindow() = default;

void TMainWindow::ConnectControls()
{
    connect(Tools, &TToolStrip::OpenFolderClicked, this, &TMainWindow::OpenFolderClicked);
    connect(Tools, &TToolStrip::WindowRequested, this, &TMainWindow::ShowWindowRequested);
    // the same addresses as the about window's
    connect(Tools, &TToolStrip::MailClicked, this,
            [this] { OpenMakersAddress(QStringLiteral("mailto:") + QLatin1String(MakersMail)); });
    connect(Tools, &TToolStrip::WebClicked, this,
            [this] { OpenMakersAddress(QLatin1String(MakersHomePage)); });
    connect(Help, &THelpColumn::HintsToggled, this, &TMainWindow::ShowHintsToggled);

    connect(ListMenu, &TFileListMenu::OpenChosen, this, &TMainWindow::OpenItemChosen);
    connect(ListMenu, &TFileListMenu::RecentFolderChosen, this, &TMainWindow::RecentFolderChosen);
    connect(ListMenu, &TFileListMenu::CopyId3v2Chosen, this, &TMainWindow::CopyId3v2Chosen);
    connect(ListMenu, &TFileListMenu::CopyId3v1Chosen, this, &TMainWindow::CopyId3v1Chosen);
    connect(ListMenu, &TFileListMenu::UndoLastBatchChosen, this, [this] { UndoBatchChosen(0); });
    connect(ListMenu, &TFileListMenu::UndoHistoryChosen, this,
            [this] { emit ShowWindowRequested(TWindowId::UndoHistory); });
    const QItemSelectionModel* selection = FileList->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &TMainWindow::FileSelectionChanged);
    connect(selection, &QItemSelectionModel::currentRowChanged, this, [this] {
        // with several files selected the focused one is on display: moving the focus alone
        // changes the file
        if (FileList->selectionModel()->selectedIndexes().size() > 1) {
            FileSelectionChanged();
        }
    });
    connect(FileList, &QListView::doubleClicked, this, &TMainWindow::FileListDoubleClicked);
    connect(FileList, &QListView::customContextMenuRequested, this,
            &TMainWindow::FileListMenuRequested);

    connect(Commands, &TCommandStrip::MacroChanged, this, &TMainWindow::RefreshPreview);
    connect(Commands, &TCommandStrip::MacroListClicked, this,
            [this] { emit ShowWindowRequested(TWindowId::Macros); });
    connect(Commands, &TCommandStrip::NameToTagClicked, this, &TMainWindow::NameToTagClicked);
    connect(Commands, &TCommandStrip::HtmlClicked, this, &TMainWindow::HtmlClicked);
    connect(Commands, &TCommandStrip::WriteTagClicked, this, &TMainWindow::WriteTagClicked);
    connect(Commands, &TCommandStrip::ClearTagsClicked, this, &TMainWindow::ClearTagsClicked);
    connect(Commands, &TCommandStrip::RenameClicked, this, &TMainWindow::RenameClicked);

    connect(ScanBar, &TPanel::Clicked, this, &TMainWindow::ScanModeClicked);
    connect(ErrorNotice, &TPanel::MouseUp, this, &TMainWindow::ErrorNoticeReleased);
    connect(WholePathBox, &QCheckBox::toggled, this, &TMainWindow::WholePathToggled);
    connect(WholePathPanel, &TPanel::Clicked, this, &TMainWindow::WholePathPanelClicked);

    TreeScanner.OnFileFound = [this](TTreeScanner&) { TreeScannerFileFound(); };
    TreeScanner.OnDirectoryDone = [this](TTreeScanner&) { TreeScannerDirectoryDone(); };
    TreeScanner.Yield = [this] { (*Yield)(); };
    // the files found so far and their count are brought up to date whenever the window gets to
    // paint
    Yield->BeforeEvents = [this] {
        if (Work.Activity.State() == TActivityKind::Scanning) {
            FileModel->Publish();
            FileCounter->setText(QStringLiteral("0 / %1").arg(Work.Files.Size()));
        }
    };
    Work.Activity.OnChanged([this](TActivityKind kind) { ActivityChanged(kind); });
}

void TMainWindow::LoadState()
{
    CurrentAudio = std::make_unique<TMPEGAudio>();

    const TSettingsBatch store; // one read of the store for everything the window starts with
    Commands->SetMacro(ReadLastMacro(store), true); // a long macro shows its beginning

    if (const auto lastPath = ReadLastFolder(store)) {
        Work.PickerStartFolder = *lastPath;
    } else {
        BrowseDirectoryDlg->Root = TBrowseDirectoryDlg::DrivesRoot();
    }
    BrowseDirectoryDlg->Selection = DisplayPath(Work.PickerStartFolder);

    Work.WholePathMode = false;
    WholePathBox->setChecked(false);
    Work.RecursiveScan = false;

    Tags->Clear();
    Work.Fields = TFieldModes();
    Work.Fields.EnabledFields = ReadEnabledFields(store);
    TreeScanner.Recursive = false;

    Work.Options = ReadMainOptions(store);
    Work.BitRateErrorsFound = false;
    ClearInfoPanels();
    Work.RecentPaths = ReadRecentPaths(store);
    ListMenu->ShowRecentPaths(Work.RecentPaths);
    LastCounts = {};
}

void TMainWindow::RefreshOnShow()
{
    SetHints();
    ArrangeControls();
    ReportBrokenStore();
}

void TMainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RefreshOnShow();
}

void TMainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    // A job below us on the stack still uses the window's state: let it finish first (a scan
    // skips its remaining files), then close.
    if (Work.Activity.Busy()) {
        if (!Work.Activity.StopRequested()) {
            Work.Activity.StopThen([this] { close(); });
        }
        event->ignore();
        return;
    }
    StoreSettings();
    event->accept();
    emit Closed();
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == FileList->viewport()) {
            FileListPointerMoved();
        }
        break;
    case QEvent::KeyPress:
        // Ctrl+A switches the artist field (on its release); the list must not take it as
        // "select every file" as well, or the next command would reach them all
        if (watched == FileList &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
            return true;
        }
        break;
    case QEvent::KeyRelease:
        if (watched == FileList) {
            FileListKeyReleased();
        }
        break;
    case QEvent::Enter:
        // moving over the window's panels draws every command button black again
        Commands->ResetButtonColours();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TMainWindow::OpenMakersAddress(const QString& address)
{
    Prompts.OpenUrl(address);
}

void TMainWindow::NameToTagClicked()
{
    if (CurrentRow() >= FileModel->rowCount()) {
        MoveCurrentRow(0);
    }
    emit ExtractionStarting({CurrentFileName(), SelectedRows(), CurrentRow()});
    // the extraction window shows the list again whenever it hides
    FileList->hide();
    // the window opens with the counts of now, not those of the last selection
    RememberCounts();
    UpdateCounters();
    emit ShowWindowRequested(TWindowId::NameToTag);
}

void TMainWindow::ShowFileList()
{
    FileList->show();
    FileSelectionChanged();
}

void TMainWindow::SetCurrentRow(int row)
{
    // a batch moves the entry once per file: the file on display is read again when it ends,
    // not for each move
    const QSignalBlocker blocker(
        Work.Activity.State() == TActivityKind::Batch ? FileList->selectionModel() : nullptr);
    MoveCurrentRow(row);
}

void TMainWindow::WholePathModeOff()
{
    WholePathBox->setChecked(false);
}

void TMainWindow::HtmlClicked()
{
    if (FileModel->rowCount() > 0) {
        emit HtmlRunRequested();
    }
}

void TMainWindow::ActivityChanged(TActivityKind kind)
{
    // a selection is read in a moment; greying the commands for it would only flicker
    const bool enabled = kind != TActivityKind::Scanning && kind != TActivityKind::Batch;
    Tools->SetOpenEnabled(enabled);
    Commands->SetCommandsEnabled(enabled);
    ListMenu->SetCommandsEnabled(enabled);
}

void TMainWindow::SetHints()
{
    const bool show = Help->HintsOn();
    FileList->setToolTip(
        show ? HintText(QT_TRANSLATE_NOOP("Hints", "... RightClick to set path ...\r...     "
                                                   "DblClick to Run      ..."))
             : QString());
    const QString fieldHints[] = {
        tr("... Enable/Disable Editing Title ..."),   tr("... Enable/Disable Editing Artist ..."),
        tr("... Enable/Disable Editing Album ..."),   tr("... Enable/Disable Editing Year ..."),
        tr("... Enable/Disable Editing Comment ..."), tr("... Enable/Disable Editing Genre ..."),
    };
    for (int i = 0; i < static_cast<int>(std::size(fieldHints)); ++i) {
        Tags->Check(i)->setToolTip(show ? fieldHints[i] : QString());
    }
    ErrorNotice->setToolTip(show ? tr("... Errors Found (RighrClick to Clear) ...") : QString());
    Tools->ShowHints(show);
    Commands->ShowHints(show);
    Help->ShowHints(show);
    emit HintsChanged(show);
}

void TMainWindow::ShowHintsToggled(bool)
{
    SetHints();
}
