#include "ui/main/main_form.h"

#include "engine/analysis_read_ahead.h"
#include "engine/mpeg_audio.h"
#include "settings/stored_settings.h"
#include "ui/auxiliary/about_form.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"
#include "ui/components/locale_settings.h"
#include "ui/components/panel.h"
#include "ui/components/prompts.h"
#include "ui/main/file_list_model.h"
#include "ui/main/throttled_yield.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QToolButton>

T_MainForm::T_MainForm(TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : QWidget(parent), Work(work), CurrentFolder(work.CurrentFolder), Options(work.Options),
      EnabledFields(work.Fields.EnabledFields), RecentPaths(work.RecentPaths), Prompts(prompts),
      Regional(SystemRegionalSettings()), Yield(std::make_unique<TThrottledYield>())
{
    setObjectName(QStringLiteral("_MainForm"));
    setWindowTitle(QStringLiteral("Cantrel v3.1.7"));
    BuildControls();
    ConnectControls();

    TreeScanner.InitialDirectory = "/";
    TreeScanner.FileMask = "*.mp3";
    TreeScanner.Recursive = false;

    BrowseDirectoryDlg = std::make_unique<TBrowseDirectoryDlg>(Prompts, this);
    BrowseDirectoryDlg->Title = QStringLiteral("Select Path to MP3 Files to Process ...");
    BrowseDirectoryDlg->ShowSelectionInStatus = true;

    FormInfo = new TFormInfo(this);
    FormInfo->Company = QStringLiteral("Velmor");
    FormInfo->AppName = QStringLiteral("Cantrel");
    FormInfo->FormName = QStringLiteral("_MainForm");
    FormInfo->Loaded();

    CreateHotKey();
    FormCreate();
}

T_MainForm::~T_MainForm() = default;

void T_MainForm::ConnectControls()
{
    connect(Open_SB, &QToolButton::clicked, this, &T_MainForm::Open_SBClick);
    // the buttons that only open another window
    const std::pair<QToolButton*, TWindowId> windowButtons[] = {
        {Settings_SB, TWindowId::Settings}, {Keys_SB, TWindowId::Keys},
        {ShowErrors_SB, TWindowId::Errors}, {Help_Macros_SB, TWindowId::MacroHelp},
        {About_SB, TWindowId::About},       {Macro_SB, TWindowId::Macros},
    };
    for (const auto& [button, window] : windowButtons) {
        connect(button, &QToolButton::clicked, this,
                [this, window = window] { emit ShowWindowRequested(window); });
    }
    connect(Mail_SB, &QToolButton::clicked, this, &T_MainForm::Mail_SBClick);
    connect(Web_SB, &QToolButton::clicked, this, &T_MainForm::Web_SBClick);

    connect(Open1, &QAction::triggered, this, &T_MainForm::Open1Click);
    connect(CopyId3v2, &QAction::triggered, this, &T_MainForm::CopyId3v2Click);
    connect(UndoLastBatch1, &QAction::triggered, this, &T_MainForm::UndoLastBatch1Click);
    connect(UndoHistory1, &QAction::triggered, this,
            [this] { emit ShowWindowRequested(TWindowId::UndoHistory); });
    for (QAction* item : RecentItems) {
        connect(item, &QAction::triggered, this, &T_MainForm::C1Click);
    }
    const QItemSelectionModel* selection = FileList->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &T_MainForm::FileListClick);
    connect(selection, &QItemSelectionModel::currentRowChanged, this,
            &T_MainForm::FileListCurrentChanged);
    connect(FileList, &QListView::doubleClicked, this, &T_MainForm::FileListDblClick);
    connect(FileList, &QListView::customContextMenuRequested, this,
            &T_MainForm::FileListContextPopup);

    connect(Change_Tag_SB, &QToolButton::clicked, this, &T_MainForm::Change_Tag_SBClick);
    connect(Html_SB, &QToolButton::clicked, this, &T_MainForm::Html_SBClick);
    connect(Write_Tag_SB, &QToolButton::clicked, this, &T_MainForm::Write_Tag_SBClick);
    connect(ClearTags_SB, &QToolButton::clicked, this, &T_MainForm::ClearTags_SBClick);
    connect(SetFileName_SB, &QToolButton::clicked, this, &T_MainForm::SetFileName_SBClick);

    connect(ScanTimer, &QTimer::timeout, this, &T_MainForm::ScanTimerTick);
    connect(ScanMode_Panel, &TPanel::Clicked, this, &T_MainForm::ScanMode_PanelClick);
    connect(ScanCaption_Panel, &TPanel::Clicked, this, &T_MainForm::ScanMode_PanelClick);
    connect(ScanIndicator_Panel, &TPanel::Clicked, this, &T_MainForm::ScanMode_PanelClick);
    connect(ScanCaption_Panel, &TPanel::MouseDown, this, &T_MainForm::ScanCaption_PanelMouseDown);
    connect(ScanCaption_Panel, &TPanel::MouseUp, this, &T_MainForm::ScanCaption_PanelMouseUp);
    connect(Recursive_CB, &QCheckBox::toggled, this, &T_MainForm::Recursive_CBClick);
    connect(ErrorPanel, &TPanel::MouseUp, this, &T_MainForm::ErrorPanelMouseUp);

    for (QCheckBox* check : FieldChecks) {
        connect(check, &QCheckBox::toggled, this, &T_MainForm::CheckBox_01Click);
    }
    connect(All_CB, &QCheckBox::toggled, this, &T_MainForm::All_CBClick);
    connect(WholePath_Panel, &TPanel::Clicked, this, &T_MainForm::WholePath_PanelClick);
    connect(ShowHint_CB, &QCheckBox::toggled, this, &T_MainForm::ShowHint_CBClick);
    connect(ShowHint_Panel, &TPanel::Clicked, this, &T_MainForm::ShowHint_PanelClick);
    connect(ExtendedInfo_SB, &QToolButton::clicked, this, &T_MainForm::ExtendedInfo_SBClick);
    connect(Macro_Edit, &QLineEdit::textChanged, this, &T_MainForm::Macro_EditChange);

    TreeScanner.OnFileFound = [this](TTreeScanner&) { TreeScannerFileFound(); };
    TreeScanner.OnDirectoryDone = [this](TTreeScanner&) { TreeScannerDirectoryDone(); };
    TreeScanner.OnFilesListed = [this](const std::vector<std::string>& paths) {
        TreeScannerFilesListed(paths);
    };
    TreeScanner.Yield = [this] { (*Yield)(); };
    // the running count is brought up to date whenever the window gets to paint
    Yield->BeforeEvents = [this] {
        if (Work.Activity.State() == TActivityKind::Scanning) {
            FileModel->Publish();
            FileCounter->setText(QStringLiteral("0 / %1").arg(Work.Files.Size()));
        }
    };
    Work.Activity.OnChanged([this](TActivityKind kind) { ActivityChanged(kind); });
}

void T_MainForm::FormCreate()
{
    CurrentAudio = std::make_unique<TMPEGAudio>();
    SetStaticTexts();

    const TSettingsBatch store; // one read of the store for everything the window starts with
    Macro_Edit->setText(ReadLastMacro(store));
    Macro_Edit->setCursorPosition(0); // a long macro shows its beginning

    if (const auto lastPath = ReadLastFolder(store)) {
        Work.PickerStartFolder = *lastPath;
    } else {
        BrowseDirectoryDlg->Root = TBrowseDirectoryDlg::DrivesRoot();
    }
    BrowseDirectoryDlg->Selection = DisplayPath(Work.PickerStartFolder);

    Work.WholePathMode = false;
    All_CB->setChecked(false);
    ShowHints = true;
    Work.RecursiveScan = false;

    ClearTagFields();
    Work.Fields = TFieldModes();
    EnabledFields = ReadEnabledFields(store);

    ExtendedInfo_SBClick(); // leaves the help column collapsed
    TreeScanner.Recursive = false;

    Options = ReadMainOptions(store);
    Work.BitRateErrorsFound = false;
    ClearInfoPanels();
    RecentPaths = ReadRecentPaths(store);
    RefreshRecentCaptions();
    LastCounts = {};
    ScanTimer->start(100);
}

void T_MainForm::FormShow()
{
    SetStaticTexts();
    SetHints();
    ArrangeControls();
    ReportBrokenStore();
}

void T_MainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void T_MainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void T_MainForm::closeEvent(QCloseEvent* event)
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
    FormCloseQuery();
    event->accept();
    emit Closed();
}

bool T_MainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == FileList->viewport()) {
            FileListMouseMove();
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
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == FileList) {
            FileListKeyUp();
        } else if (enter && watched == Genre_CB) {
            Genre_CBKeyUp();
        } else if (enter) {
            for (QComboBox* box : TextBoxes) {
                if (watched == box) {
                    TagBoxKeyUp(box);
                }
            }
        }
        break;
    }
    case QEvent::Enter: {
        const auto* button = qobject_cast<QToolButton*>(watched);
        HighlightButton(button != nullptr ? button->objectName() : QString());
        break;
    }
    case QEvent::Leave:
        // the strip around a button gets no Enter of its own when the pointer moves off the
        // button onto it; another button's Enter follows this Leave
        if (qobject_cast<QToolButton*>(watched) != nullptr) {
            HighlightButton(QString());
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void T_MainForm::Mail_SBClick()
{
    // the same addresses as the about window's
    Prompts.OpenUrl(QStringLiteral("mailto:") + QLatin1String(MakersMail));
}

void T_MainForm::Web_SBClick()
{
    Prompts.OpenUrl(QLatin1String(MakersHomePage));
}

void T_MainForm::Change_Tag_SBClick()
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

void T_MainForm::ShowFileList()
{
    FileList->show();
    FileListClick();
}

void T_MainForm::SetCurrentRow(int row)
{
    // a batch moves the entry once per file: the file on display is read again when it ends,
    // not for each move
    const QSignalBlocker blocker(Work.Activity.State() == TActivityKind::Batch
                                     ? FileList->selectionModel()
                                     : nullptr);
    MoveCurrentRow(row);
}

void T_MainForm::WholePathModeOff()
{
    All_CB->setChecked(false);
}

void T_MainForm::Html_SBClick()
{
    if (FileModel->rowCount() > 0) {
        emit HtmlRunRequested();
    }
}

void T_MainForm::ActivityChanged(TActivityKind kind)
{
    // a selection is read in a moment; greying the commands for it would only flicker
    const bool enabled = kind != TActivityKind::Scanning && kind != TActivityKind::Batch;
    for (QToolButton* command :
         {Open_SB, ClearTags_SB, Write_Tag_SB, SetFileName_SB, Change_Tag_SB, Html_SB}) {
        command->setEnabled(enabled);
    }
    Open1->setEnabled(enabled);
    CopyId3v2->setEnabled(enabled);
    for (QAction* item : RecentItems) {
        item->setEnabled(enabled);
    }
}
