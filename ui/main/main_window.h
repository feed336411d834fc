#pragma once

#include "batch/batch_run.h"
#include "engine/file_failure.h"
#include "engine/id3v2_tag.h"
#include "engine/regional_settings.h"
#include "scan/tree_scanner.h"
#include "ui/main/tool_strip.h"
#include "workspace/extraction_steps.h"
#include "workspace/key_map.h"
#include "workspace/workspace.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListView;
class TAnalysisReadAhead;
class TBrowseDirectoryDlg;
class TCommandStrip;
class TFileListMenu;
class TFileListModel;
class TFormInfo;
class THelpColumn;
class THotKeyManager;
class TMPEGAudio;
class TPanel;
class TPrompts;
class TScanModeBar;
class TSettingsBatch;
class TStreamInfoPanel;
class TTagBoxes;
class TThrottledYield;

// The batch commands of the main window.
enum class TBatchCommand
{
    WriteTag,
    ClearTag,
    Rename,
    CopyId3v2,
    CopyId3v1,
};

// The main window: the file list of the opened folder, the tag and stream data of the selected
// file, the file-name macro and the commands. It works on the workspace the windows share and
// tells the other windows its news through signals.
class TMainWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FieldCount = ::FieldCount;

    TMainWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // Full path of the file the tag boxes refer to: the only selected file, or the focused item
    // when several are selected; empty when none is.
    std::string CurrentFileName() const;
    // Hands the counts on to the extraction window and shows them in the counter panel.
    void UpdateCounters();
    // Lists the current folder anew, unless a scan runs already.
    void RescanFolder();
    void ClearRecentPaths();
    // Opens a folder given at start, as the folder picker would; a file opens its folder with
    // that file selected. A path that does not exist is reported and nothing changes; false then.
    bool OpenPath(const std::string& path);
    // The file-name macro, and what a macro makes of the displayed file.
    QString MacroText() const;
    QString MacroPreview(const QString& macro) const;

signals:
    // The window has closed; the program ends.
    void Closed();
    // The window stores its settings now; the extraction window stores its formula with them.
    void StoringSettings(TSettingsBatch& batch);
    void ShowWindowRequested(TWindowId window);
    void HtmlRunRequested();
    // The counts of files to process and listed, with the extraction window's panel texts.
    void CountsChanged(int toProcess, int total, const QString& indexText,
                       const QString& statusText);
    void HintsChanged(bool show);
    // The error window: a scan empties it, reports bit-rate warnings and shows them when a
    // folder is done; failed files of a batch come as one list.
    void ErrorLogEmptied();
    void BitRateWarned(const std::string& path, int bitRate, int count);
    void BitRateFolderDone(int count);
    void ErrorsClearRequested();
    void FilesFailed(const TFileFailures& failures);
    // A batch shows its progress: the progress window opens, moves on and closes.
    void ProgressShown(bool visible);
    void ProgressReported(int position, int range, const QString& text);
    // Whole-path mode was switched through the panel; the extraction window's stepping buttons
    // work only while it is on.
    void WholePathSwitched(bool on);
    // The extraction window is about to open on these files.
    void ExtractionStarting(const TExtractionStart& start);

public slots:
    // The error window was cleared: the notice under the list goes.
    void ErrorListCleared();
    // A macro taken over from the macro list; the preview follows.
    void SetMacro(const QString& macro);
    // The list is put away while an HTML run reads the files, and back afterwards with the
    // last file current.
    void HideFileListForRun(bool hidden);
    // The displayed file is read again (the tags are read in another code page now, or a batch
    // changed it). `tagBoxesToo` false: only the ID3v2 column shows it, and the tag boxes keep
    // what the user typed, as after a write.
    void RedisplayFile(bool tagBoxesToo = true);
    // The command buttons back to their normal caption colour (none highlighted).
    void ResetButtonColours();
    // The extraction window hid: the file list comes back, showing the current file anew.
    void ShowFileList();
    // The extraction window stepped to another file in whole-path mode.
    void SetCurrentRow(int row);
    // A whole-path batch of the extraction window is done.
    void WholePathModeOff();
    // Undoes batch `number` of the journal (0: the newest that changed a file) after asking,
    // and lists the folder anew; refused while another job runs.
    void UndoBatchChosen(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a batch command runs once the files are chosen and agreed to: the batch itself, and
    // what follows it once the list is back (copy-v2 writes the files it had to skip).
    struct TCommandPlan
    {
        std::function<TBatchResult(const TBatchControl&)> Run;
        std::function<void(TBatchResult&)> Then;
    };
    using TPlanner = std::function<std::optional<TCommandPlan>(const std::vector<std::string>&)>;

    // construction and hints (main_window.cpp, main_window_layout.cpp)
    void BuildControls();
    QWidget* BuildListColumn();
    void ConnectControls();
    void LoadState();
    void RefreshOnShow();
    bool StoreSettings();
    void ArrangeControls();
    void SetHints();
    // Commands are disabled while a scan or a batch runs.
    void ActivityChanged(TActivityKind kind);

    // handlers
    void OpenFolderClicked();
    void OpenMakersAddress(const QString& address);
    void OpenItemChosen();
    void RecentFolderChosen(int slot);
    void FileSelectionChanged();
    void FileListKeyReleased();
    void FileListPointerMoved();
    void FileListDoubleClicked();
    void FileListMenuRequested(const QPoint& pos);
    void NameToTagClicked();
    void HtmlClicked();
    void WriteTagClicked();
    void ClearTagsClicked();
    void RenameClicked();
    // the copies between the tags (main_window_copy.cpp)
    void CopyId3v2Chosen();
    void CopyId3v1Chosen();
    void ScanModeClicked();
    void WholePathPanelClicked();
    void ErrorNoticeReleased(Qt::MouseButton button);
    void WholePathToggled(bool checked);
    void ShowHintsToggled(bool checked);
    void HotKeyReleased(THotKeyManager& sender, std::uint16_t& key, TShiftState shift);

    // shortcuts (main_window_keys.cpp)
    void RunKeyCommand(TMainKeyCommand command);

    // scanning (main_window_scan.cpp)
    // Runs the folder picker; true when the user chose a folder, which is then current.
    bool PickNewFolder();
    void ClearFileList();
    void RunScan();
    void AddFoundFile(const std::string& path);
    std::int32_t ReadBitRate(const std::string& path);
    void AddRecentPath(const std::string& folder);
    void TreeScannerFileFound();
    void TreeScannerDirectoryDone();
    void TreeScannerFilesListed(const std::vector<std::string>& paths);

    // the list and the displayed file (main_window_display.cpp)
    std::vector<int> SelectedRows() const;
    // The focused row of the list, -1 when there is none.
    int CurrentRow() const;
    // Moves the focus to `row` as a click would, selecting it: alone in single-select mode, in
    // addition to the selection otherwise.
    void MoveCurrentRow(int row);
    TListState ListState() const;
    // Keeps the counts of the list as they are now for the next UpdateCounters, which hands the
    // last remembered ones on first; their text.
    std::string RememberCounts();
    void ShowFileInfo(const std::string& path);
    // Reads the file into CurrentAudio, and its ID3v2 tag in the same open into CurrentId3v2.
    void ReadCurrentFile(const std::string& path);
    void ShowId3v2Column();
    void ClearInfoPanels();
    void ApplyEnabledFields();
    void RefreshPreview();
    void ShowNameLength(const std::string& newName);

    // batch commands (main_window_commands.cpp)
    // The files a command processes: every listed file in whole-path mode, else the selected
    // ones; none when there are none.
    std::vector<std::string> CommandFiles() const;
    // Every batch command: the files chosen and agreed to, the plan made for them, the batch
    // run under the busy guard, the failed files reported and the list shown again. False when
    // it ended before its batch ran.
    bool RunCommand(TBatchCommand command, const TPlanner& plan);
    // Runs a batch journaled as `journalKind` so that it can be undone, with the list hidden in
    // whole-path mode, and the progress window shown when asked for (the caller hides it).
    TBatchResult RunControlledBatch(const std::function<TBatchResult(const TBatchControl&)>& run,
                                    bool showProgress, const char* journalKind);
    // The control every batch of the window runs under: the shared yield, cancelled when the
    // window closes, files counted from one or from nought, and with `showProgress` the progress
    // window shown and fed (the caller hides it).
    TBatchControl ProgressControl(bool countFromOne, bool showProgress);
    // The list after a whole-path run: shown, multi-select, nothing selected.
    void ShowListAgain();
    // Toggles whole-path mode with the list's selection mode and the field mode.
    void SwitchWholePathMode();

    // undo (main_window_undo.cpp)
    // The menu entry names the batch an undo would take back, and is off when there is none.
    void UpdateUndoEntry();

    // settings (main_window_settings.cpp)
    void StoreRecentPaths();
    // Tells the user once when the settings file could not be read and was set aside.
    void ReportBrokenStore();

    TWorkspace& Work;
    TPrompts& Prompts;
    TRegionalSettings Regional;
    std::unique_ptr<TMPEGAudio> CurrentAudio;
    TId3v2Reading CurrentId3v2; // of the file CurrentAudio holds
    std::unique_ptr<TThrottledYield> Yield;
    TFormInfo* FormInfo = nullptr;
    std::unique_ptr<TBrowseDirectoryDlg> BrowseDirectoryDlg;
    TTreeScanner TreeScanner;
    // the bit-rate check reads the files of the folder being scanned ahead of the scan
    std::unique_ptr<TAnalysisReadAhead> ScanReadAhead;
    TCounts LastCounts;

    // the parts of the window
    TToolStrip* Tools = nullptr;
    THelpColumn* Help = nullptr;
    TScanModeBar* ScanBar = nullptr;
    QListView* FileList = nullptr;
    TFileListModel* FileModel = nullptr; // the rows of FileList, read from Work.Files
    TFileListMenu* ListMenu = nullptr;
    TPanel* WholePathPanel = nullptr; // " Apply To Whole &Path ..."
    QCheckBox* WholePathBox = nullptr;
    QLabel* FileCounter = nullptr; // "selected / listed"
    TPanel* ErrorNotice = nullptr;
    TTagBoxes* Tags = nullptr;
    TStreamInfoPanel* StreamInfo = nullptr;
    TCommandStrip* Commands = nullptr;
    THotKeyManager* HotKey = nullptr;
};
