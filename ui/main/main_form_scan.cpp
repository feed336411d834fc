#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/display_path.h"
#include "ui/components/panel.h"
#include "ui/main/main_form.h"
#include "ui/main/throttled_yield.h"
#include "workspace/bit_rate_check.h"
#include "workspace/error_log.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include <algorithm>

namespace {

const QColor ScanningColour(Qt::red);
const QColor RecursiveColour(0x80, 0x00, 0x00); // maroon

} // namespace

bool T_MainForm::PickNewFolder()
{
    if (Scanning() || Analysing) {
        return false; // the list is being filled or read; a second scan would pull it away
    }
    BrowseDirectoryDlg->Selection = DisplayPath(PickerStartFolder);
    if (!BrowseDirectoryDlg->Execute()) {
        return false;
    }
    CurrentFolder = PathBytes(BrowseDirectoryDlg->Selection);
    PickerStartFolder = CurrentFolder;
    AddRecentPath(CurrentFolder);
    return true;
}

void T_MainForm::Open_SBClick()
{
    if (!PickNewFolder()) {
        return;
    }
    // the indicator is left to the timer here
    ClearFileList();
    TreeScanner.InitialDirectory = CurrentFolder;
    RunScan();
}

void T_MainForm::Open1Click()
{
    if (PickNewFolder()) {
        RescanFolder();
    }
}

void T_MainForm::C1Click()
{
    if (Scanning() || Analysing) {
        return;
    }
    const auto* item = qobject_cast<QAction*>(sender());
    const auto slot = std::find(RecentItems.begin(), RecentItems.end(), item);
    if (slot == RecentItems.end()) {
        return;
    }
    const std::string& folder = RecentPaths[slot - RecentItems.begin()];
    if (folder == NoRecentPath) {
        return;
    }
    CurrentFolder = folder;
    RescanFolder();
}

void T_MainForm::ListBox1ContextPopup(const QPoint& pos)
{
    RecentParhs_PM->popup(ListBox1->viewport()->mapToGlobal(pos));
}

void T_MainForm::ClearFileList()
{
    const QSignalBlocker blocker(ListBox1);
    FoundFiles.clear();
    FileNames.clear();
    FileDirs.clear();
    ListBox1->clear();
}

void T_MainForm::RescanFolder()
{
    if (Scanning()) {
        return;
    }
    ClearFileList();
    ShowScanIndicator(true);
    TreeScanner.InitialDirectory = CurrentFolder;
    RunScan();
}

void T_MainForm::RunScan()
{
    ++ScanDepth;
    TreeScanner.Recursive = RecursiveScan;
    TreeScanner.StartSearch();
    --ScanDepth;
    Panel25->setText(QStringLiteral("0 / %1").arg(FileNames.size()));
    FinishBusy();
}

void T_MainForm::FinishBusy()
{
    if (CloseRequested && !Scanning() && !Analysing) {
        CloseRequested = false;
        close();
    }
}

void T_MainForm::AddFoundFile(const std::string& path)
{
    std::string name = NamePart(path);
    ListBox1->addItem(DisplayPath(name));
    FoundFiles.push_back(path);
    FileNames.push_back(std::move(name));
    FileDirs.push_back(WithTrailingSlash(FolderPart(path)));
    // the running count is drawn at the screen's pace (see the yield), not once per file
    (*Yield)();
}

std::int32_t T_MainForm::ReadBitRate(const std::string& path)
{
    // a file that does not exist analyses to bit rate 0 as well
    if (path.empty()) {
        return 0;
    }
    TMPEGAudio audio;
    audio.SetFileName(path, [this] { (*Yield)(); });
    return audio.BitRate;
}

void T_MainForm::TreeScannerFileFound()
{
    if (CloseRequested) {
        return; // the window is closing: the rest of the scan only runs out
    }
    const std::string path = TreeScanner.FileFound();
    const std::int32_t bitRate = NeedsBitRate(Options) ? ReadBitRate(path) : 0;
    switch (CheckBitRate(Options, bitRate)) {
    case TBitRateVerdict::Accept:
        AddFoundFile(path);
        return;
    case TBitRateVerdict::Exclude:
        return;
    case TBitRateVerdict::Warn:
        break;
    }
    ErrorPanel->SetCaption(QString::fromLatin1(BitRateNotice));
    AddFoundFile(path);
    BitRateErrorsFound = true;
    BitRateErrorFiles.push_back(path);
    AddBitRateWarning(path, bitRate);
    SetErrorCaption(
        QString::fromStdString(BitRateWarningCaption(static_cast<int>(BitRateErrorFiles.size()))));
}

void T_MainForm::TreeScannerDirectoryDone()
{
    if (!BitRateErrorsFound || CloseRequested) {
        return;
    }
    SetErrorCaption(QString::fromStdString(
        BitRateFolderDoneCaption(static_cast<int>(BitRateErrorFiles.size()))));
    ShowErrorWindow();
}

QString T_MainForm::ScanModeCaption() const
{
    return RecursiveScan ? QStringLiteral("Rec&ursive Scan") : QStringLiteral("Normal Scan - &U");
}

void T_MainForm::ShowScanIndicator(bool scanning)
{
    QPalette colours = Panel26->palette();
    colours.setColor(QPalette::Window,
                     scanning ? ScanningColour : palette().color(QPalette::Button));
    Panel26->setPalette(colours);
    Panel23->SetCaption(scanning ? QStringLiteral("...Scanning...") : ScanModeCaption());
    Panel23->SetCaptionColour(scanning || !RecursiveScan ? QColor(Qt::black) : RecursiveColour);
}

void T_MainForm::Timer1Timer()
{
    const bool red = Panel26->palette().color(QPalette::Window) == ScanningColour;
    if (TreeScanner.SearchInProgress()) {
        if (!red) {
            ShowScanIndicator(true);
        }
    } else if (red) {
        ShowScanIndicator(false);
    }
}

void T_MainForm::Panel231Click()
{
    if (Scanning() || Analysing) {
        return;
    }
    Recursive_CB->toggle(); // its handler copies the state into RecursiveScan
    Panel23->SetCaption(ScanModeCaption());
    Panel23->SetCaptionColour(RecursiveScan ? RecursiveColour : QColor(Qt::black));
    TreeScanner.Recursive = RecursiveScan;
    if (!TreeScanner.InitialDirectory.empty()) {
        BitRateErrorFiles.clear();
        EmptyErrorLog();
        BitRateErrorsFound = false;
        ErrorPanel->SetCaption(QString());
        RescanFolder();
    }
    Panel25->setText(QString::fromStdString(CountsText()));
}

void T_MainForm::Recursive_CBClick(bool checked)
{
    RecursiveScan = checked;
}

void T_MainForm::Panel23MouseDown(Qt::MouseButton)
{
    Panel23->setFrameShadow(QFrame::Sunken);
}

void T_MainForm::Panel23MouseUp(Qt::MouseButton)
{
    Panel23->setFrameShadow(QFrame::Raised);
}

void T_MainForm::ErrorPanelMouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton) {
        return;
    }
    ErrorPanel->SetCaption(QString());
    ClearErrorWindow();
}

void T_MainForm::ErrorFormCleared()
{
    BitRateErrorsFound = false;
    ErrorPanel->SetCaption(QString());
}

void T_MainForm::AddRecentPath(const std::string& folder)
{
    if (::AddRecentPath(RecentPaths, folder)) {
        RefreshRecentCaptions();
        StoreRecentPaths();
    }
}

void T_MainForm::ClearRecentPaths()
{
    ::ClearRecentPaths(RecentPaths);
    RefreshRecentCaptions();
}

void T_MainForm::RefreshRecentCaptions()
{
    for (std::size_t i = 0; i < RecentItems.size(); ++i) {
        // "&" in a folder name is a letter here, not an accelerator
        QString caption = DisplayPath(RecentPaths[i]);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        RecentItems[i]->setText(caption);
    }
}
