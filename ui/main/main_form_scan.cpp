#include "engine/analysis_read_ahead.h"
#include "engine/mpeg_audio.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/display_path.h"
#include "ui/components/panel.h"
#include "ui/main/file_list_model.h"
#include "ui/main/main_form.h"
#include "ui/main/throttled_yield.h"
#include "workspace/batch_report.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMenu>

#include <algorithm>

namespace {

const QColor ScanningColour(Qt::red);
const QColor RecursiveColour(0x80, 0x00, 0x00); // maroon

} // namespace

bool T_MainForm::PickNewFolder()
{
    BrowseDirectoryDlg->Selection = DisplayPath(Work.PickerStartFolder);
    if (!BrowseDirectoryDlg->Execute()) {
        return false;
    }
    CurrentFolder = PathBytes(BrowseDirectoryDlg->Selection);
    Work.PickerStartFolder = CurrentFolder;
    AddRecentPath(CurrentFolder);
    return true;
}

// Each command runs through the activity, which refuses it while the list is being filled or
// read: a second scan would pull the list away from under the first.

void T_MainForm::Open_SBClick()
{
    Work.Activity.Run(TActivityKind::Scanning, [this] {
        if (!PickNewFolder()) {
            return;
        }
        // the indicator is left to the timer here
        ClearFileList();
        TreeScanner.InitialDirectory = CurrentFolder;
        RunScan();
    });
}

void T_MainForm::Open1Click()
{
    Work.Activity.Run(TActivityKind::Scanning, [this] {
        if (PickNewFolder()) {
            RescanFolder();
        }
    });
}

void T_MainForm::C1Click()
{
    const auto* item = qobject_cast<QAction*>(sender());
    const auto slot = std::find(RecentItems.begin(), RecentItems.end(), item);
    if (slot == RecentItems.end()) {
        return;
    }
    const std::size_t index = static_cast<std::size_t>(slot - RecentItems.begin());
    Work.Activity.Run(TActivityKind::Scanning, [this, index] {
        const std::string folder = RecentPaths[index];
        if (folder != NoRecentPath) {
            CurrentFolder = folder;
            RescanFolder();
        }
    });
}

void T_MainForm::FileListContextPopup(const QPoint& pos)
{
    UpdateUndoEntry();
    RecentPaths_PM->popup(FileList->viewport()->mapToGlobal(pos));
}

void T_MainForm::ClearFileList()
{
    const QSignalBlocker blocker(FileList->selectionModel());
    Work.Files.Clear();
    FileModel->Reset();
    // nothing of the folder listed before stays on display, the macro preview included
    CurrentAudio = std::make_unique<TMPEGAudio>(Options.TagCodePage);
    CurrentPath_Panel->clear();
    CurrentFile_Panel->clear();
    ClearTagFields();
    ClearInfoPanels();
    RefreshPreview();
}

void T_MainForm::RescanFolder()
{
    // also called from within a command (a rename lists its folder anew): only a second scan
    // is refused
    if (TreeScanner.SearchInProgress()) {
        return;
    }
    const TBusyGuard guard(Work.Activity, TActivityKind::Scanning);
    ClearFileList();
    ShowScanIndicator(true);
    TreeScanner.InitialDirectory = CurrentFolder;
    RunScan();
}

void T_MainForm::RunScan()
{
    TreeScanner.Recursive = Work.RecursiveScan;
    // The emptied list is drawn before the first file is looked at, and a click or a close that
    // waits in the queue is answered as one during the scan, however quickly the scan ends.
    Yield->Now();
    TreeScanner.StartSearch();
    FileModel->Publish();
    ScanReadAhead.reset();
    // nothing is selected in the new list; in whole-path mode every file counts
    FileCounter->setText(QString::fromStdString(RememberCounts()));
}

void T_MainForm::AddFoundFile(const std::string& path)
{
    Work.Files.Add(path);
    // the running count is drawn at the screen's pace (see the yield), not once per file
    (*Yield)();
}

std::int32_t T_MainForm::ReadBitRate(const std::string& path)
{
    // a file that does not exist analyses to bit rate 0 as well
    if (path.empty()) {
        return 0;
    }
    if (ScanReadAhead) {
        if (const auto* analysis = ScanReadAhead->Take(path, [this] { (*Yield)(); })) {
            return analysis->Audio.BitRate;
        }
    }
    TMPEGAudio audio(Options.TagCodePage);
    audio.SetFileName(path, [this] { (*Yield)(); });
    return audio.BitRate;
}

void T_MainForm::TreeScannerFilesListed(const std::vector<std::string>& paths)
{
    ScanReadAhead.reset();
    // a folder of one file has nothing to overlap
    if (paths.size() > 1 && NeedsBitRate(Options) && !Work.Activity.StopRequested()) {
        TAnalysisReadAhead::TOptions options;
        options.CodePage = Options.TagCodePage;
        ScanReadAhead = std::make_unique<TAnalysisReadAhead>(paths, options);
    }
}

void T_MainForm::TreeScannerFileFound()
{
    if (Work.Activity.StopRequested()) {
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
    Work.BitRateErrorsFound = true;
    Work.BitRateErrorFiles.push_back(path);
    emit BitRateWarned(path, bitRate, static_cast<int>(Work.BitRateErrorFiles.size()));
}

void T_MainForm::TreeScannerDirectoryDone()
{
    if (!Work.BitRateErrorsFound || Work.Activity.StopRequested()) {
        return;
    }
    emit BitRateFolderDone(static_cast<int>(Work.BitRateErrorFiles.size()));
}

QString T_MainForm::ScanModeCaption() const
{
    return Work.RecursiveScan ? QStringLiteral("Rec&ursive Scan")
                              : QStringLiteral("Normal Scan - &U");
}

void T_MainForm::ShowScanIndicator(bool scanning)
{
    QPalette colours = ScanIndicator_Panel->palette();
    colours.setColor(QPalette::Window,
                     scanning ? ScanningColour : palette().color(QPalette::Button));
    ScanIndicator_Panel->setPalette(colours);
    ScanCaption_Panel->SetCaption(scanning ? QStringLiteral("...Scanning...") : ScanModeCaption());
    ScanCaption_Panel->SetCaptionColour(scanning || !Work.RecursiveScan ? QColor(Qt::black)
                                                                        : RecursiveColour);
}

void T_MainForm::ScanTimerTick()
{
    const bool red = ScanIndicator_Panel->palette().color(QPalette::Window) == ScanningColour;
    if (TreeScanner.SearchInProgress()) {
        if (!red) {
            ShowScanIndicator(true);
        }
    } else if (red) {
        ShowScanIndicator(false);
    }
}

void T_MainForm::ScanMode_PanelClick()
{
    Work.Activity.Run(TActivityKind::Scanning, [this] {
        Recursive_CB->toggle(); // its handler copies the state into RecursiveScan
        ScanCaption_Panel->SetCaption(ScanModeCaption());
        ScanCaption_Panel->SetCaptionColour(Work.RecursiveScan ? RecursiveColour
                                                               : QColor(Qt::black));
        TreeScanner.Recursive = Work.RecursiveScan;
        // before a folder is opened the switch only sets the mode: a rescan would list the
        // folder the program was started in
        if (!CurrentFolder.empty()) {
            Work.BitRateErrorFiles.clear();
            emit ErrorLogEmptied();
            Work.BitRateErrorsFound = false;
            ErrorPanel->SetCaption(QString());
            RescanFolder();
        }
        FileCounter->setText(QString::fromStdString(RememberCounts()));
    });
}

void T_MainForm::Recursive_CBClick(bool checked)
{
    Work.RecursiveScan = checked;
}

void T_MainForm::ScanCaption_PanelMouseDown(Qt::MouseButton)
{
    ScanCaption_Panel->setFrameShadow(QFrame::Sunken);
}

void T_MainForm::ScanCaption_PanelMouseUp(Qt::MouseButton)
{
    ScanCaption_Panel->setFrameShadow(QFrame::Raised);
}

void T_MainForm::ErrorPanelMouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton) {
        return;
    }
    ErrorPanel->SetCaption(QString());
    emit ErrorsClearRequested(); // the error window reports back through ErrorFormCleared
}

void T_MainForm::ErrorFormCleared()
{
    Work.BitRateErrorsFound = false;
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
