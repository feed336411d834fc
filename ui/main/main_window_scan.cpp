#include "engine/analysis_read_ahead.h"
#include "engine/mpeg_audio.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/display_path.h"
#include "ui/components/panel.h"
#include "ui/components/throttled_yield.h"
#include "ui/main/file_list_menu.h"
#include "ui/main/file_list_model.h"
#include "ui/main/main_window.h"
#include "ui/main/scan_mode_bar.h"
#include "ui/main/stream_info_panel.h"
#include "ui/main/tag_boxes.h"
#include "workspace/batch_report.h"

#include <QLabel>
#include <QListView>

bool TMainWindow::PickNewFolder()
{
    BrowseDirectoryDlg->Selection = DisplayPath(Work.PickerStartFolder);
    if (!BrowseDirectoryDlg->Execute()) {
        return false;
    }
    Work.CurrentFolder = PathBytes(BrowseDirectoryDlg->Selection);
    Work.PickerStartFolder = Work.CurrentFolder;
    AddRecentPath(Work.CurrentFolder);
    return true;
}

// Each command runs through the activity, which refuses it while the list is being filled or
// read: a second scan would pull the list away from under the first.

void TMainWindow::OpenFolderClicked()
{
    Work.Activity.Run(TActivityKind::Scanning, [this] {
        if (!PickNewFolder()) {
            return;
        }
        ClearFileList();
        TreeScanner.InitialDirectory = Work.CurrentFolder;
        RunScan();
    });
}

void TMainWindow::OpenItemChosen()
{
    Work.Activity.Run(TActivityKind::Scanning, [this] {
        if (PickNewFolder()) {
            RescanFolder();
        }
    });
}

void TMainWindow::RecentFolderChosen(int slot)
{
    Work.Activity.Run(TActivityKind::Scanning, [this, slot] {
        const std::string folder = Work.RecentPaths[static_cast<std::size_t>(slot)];
        if (folder != NoRecentPath) {
            Work.CurrentFolder = folder;
            RescanFolder();
        }
    });
}

void TMainWindow::FileListMenuRequested(const QPoint& pos)
{
    UpdateUndoEntry();
    ListMenu->popup(FileList->viewport()->mapToGlobal(pos));
}

void TMainWindow::ClearFileList()
{
    const QSignalBlocker blocker(FileList->selectionModel());
    Work.Files.Clear();
    FileModel->Reset();
    // nothing of the folder listed before stays on display, the macro preview included
    CurrentAudio = std::make_unique<TMPEGAudio>(Work.Options.TagCodePage);
    CurrentId3v2 = {};
    Tools->ClearPointedFile();
    Tags->Clear();
    ClearInfoPanels();
    RefreshPreview();
}

void TMainWindow::RescanFolder()
{
    // also called from within a command (a rename lists its folder anew): only a second scan
    // is refused
    if (TreeScanner.SearchInProgress()) {
        return;
    }
    const TBusyGuard guard(Work.Activity, TActivityKind::Scanning);
    ClearFileList();
    TreeScanner.InitialDirectory = Work.CurrentFolder;
    RunScan();
}

void TMainWindow::RunScan()
{
    TreeScanner.Recursive = Work.RecursiveScan;
    // the scanner hands over each folder's paths at once only for the bit-rate check: a folder
    // of a million files would hold them twice otherwise
    TreeScanner.OnFilesListed = nullptr;
    if (NeedsBitRate(Work.Options)) {
        TreeScanner.OnFilesListed = [this](const std::vector<std::string>& paths) {
            TreeScannerFilesListed(paths);
        };
    }
    // The emptied list is drawn before the first file is looked at, and a click or a close that
    // waits in the queue is answered as one during the scan, however quickly the scan ends.
    ScanBar->ShowState(Work.RecursiveScan, true);
    Yield->Now();
    TreeScanner.StartSearch();
    FileModel->Publish();
    ScanBar->ShowState(Work.RecursiveScan, false);
    ScanReadAhead.reset();
    // nothing is selected in the new list; in whole-path mode every file counts
    FileCounter->setText(QString::fromStdString(RememberCounts()));
}

void TMainWindow::AddFoundFile(const std::string& path)
{
    Work.Files.Add(path);
    // the running count is drawn at the screen's pace (see the yield), not once per file
    (*Yield)();
}

std::int32_t TMainWindow::ReadBitRate(const std::string& path)
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
    TMPEGAudio audio(Work.Options.TagCodePage);
    audio.SetFileName(path, [this] { (*Yield)(); });
    return audio.BitRate;
}

void TMainWindow::TreeScannerFilesListed(const std::vector<std::string>& paths)
{
    ScanReadAhead.reset();
    // a folder of one file has nothing to overlap
    if (paths.size() > 1 && NeedsBitRate(Work.Options) && !Work.Activity.StopRequested()) {
        TAnalysisReadAhead::TOptions options;
        options.CodePage = Work.Options.TagCodePage;
        ScanReadAhead = std::make_unique<TAnalysisReadAhead>(paths, options);
    }
}

void TMainWindow::TreeScannerFileFound()
{
    if (Work.Activity.StopRequested()) {
        return; // the window is closing: the rest of the scan only runs out
    }
    const std::string path = TreeScanner.FileFound();
    const std::int32_t bitRate = NeedsBitRate(Work.Options) ? ReadBitRate(path) : 0;
    switch (CheckBitRate(Work.Options, bitRate)) {
    case TBitRateVerdict::Accept:
        AddFoundFile(path);
        return;
    case TBitRateVerdict::Exclude:
        return;
    case TBitRateVerdict::Warn:
        break;
    }
    ErrorNotice->SetCaption(QString::fromLatin1(BitRateNotice));
    AddFoundFile(path);
    Work.BitRateErrorsFound = true;
    Work.BitRateErrorFiles.push_back(path);
    emit BitRateWarned(path, bitRate, static_cast<int>(Work.BitRateErrorFiles.size()));
}

void TMainWindow::TreeScannerDirectoryDone()
{
    if (!Work.BitRateErrorsFound || Work.Activity.StopRequested()) {
        return;
    }
    emit BitRateFolderDone(static_cast<int>(Work.BitRateErrorFiles.size()));
}

void TMainWindow::ScanModeClicked()
{
    Work.Activity.Run(TActivityKind::Scanning, [this] {
        Work.RecursiveScan = !Work.RecursiveScan;
        ScanBar->ShowState(Work.RecursiveScan, false);
        TreeScanner.Recursive = Work.RecursiveScan;
        // before a folder is opened the switch only sets the mode: a rescan would list the
        // folder the program was started in
        if (!Work.CurrentFolder.empty()) {
            Work.BitRateErrorFiles.clear();
            emit ErrorLogEmptied();
            Work.BitRateErrorsFound = false;
            ErrorNotice->SetCaption(QString());
            RescanFolder();
        }
        FileCounter->setText(QString::fromStdString(RememberCounts()));
    });
}

void TMainWindow::ErrorNoticeReleased(Qt::MouseButton button)
{
    if (button != Qt::RightButton) {
        return;
    }
    ErrorNotice->SetCaption(QString());
    emit ErrorsClearRequested(); // the error window reports back through ErrorListCleared
}

void TMainWindow::ErrorListCleared()
{
    Work.BitRateErrorsFound = false;
    ErrorNotice->SetCaption(QString());
}

void TMainWindow::AddRecentPath(const std::string& folder)
{
    if (::AddRecentPath(Work.RecentPaths, folder)) {
        ListMenu->ShowRecentPaths(Work.RecentPaths);
        StoreRecentPaths();
    }
}

void TMainWindow::ClearRecentPaths()
{
    ::ClearRecentPaths(Work.RecentPaths);
    ListMenu->ShowRecentPaths(Work.RecentPaths);
}
