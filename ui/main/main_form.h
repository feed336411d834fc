#pragma once

#include "batch/batch_run.h"
#include "engine/file_failure.h"
#include "engine/regional_settings.h"
#include "scan/tree_scanner.h"
#include "workspace/extraction_steps.h"
#include "workspace/key_map.h"
#include "workspace/workspace.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QTimer;
class QToolButton;
class TAnalysisReadAhead;
class TBrowseDirectoryDlg;
class TFileListModel;
class TFormInfo;
class THotKeyManager;
class TMPEGAudio;
class TPanel;
class TPrompts;
class TSettingsBatch;
class TThrottledYield;
struct TTagBoxTexts;

// The windows the main window opens; it asks for them through ShowWindowRequested.
enum class TWindowId
{
    Settings,
    Keys,
    Errors,
    MacroHelp,
    About,
    Macros,
    NameToTag,
    UndoHistory,
};

// The main window: the file list of the opened folder, the tag and stream data of the selected
// file, the file-name macro and the commands. It works on the workspace the windows share and
// tells the other windows its news through signals.
class T_MainForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FieldCount = ::FieldCount;

    T_MainForm(TWorkspace& work, TPrompts& prompts, QWidget* parent = nullptr);
    ~T_MainForm() override;

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
    void ErrorFormCleared();
    // A macro taken over from the macro list; the preview follows.
    void SetMacro(const QString& macro);
    // The list is put away while an HTML run reads the files, and back afterwards with the
    // last file current.
    void HideFileListForRun(bool hidden);
    // The tags are read in another code page now: the displayed file is read again.
    void RedisplayFile();
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
    // construction (main_form.cpp, main_form_layout.cpp)
    void BuildControls();
    QWidget* BuildTopStrip();
    QWidget* BuildHelpColumn();
    QWidget* BuildListColumn();
    QWidget* BuildTagColumn();
    QWidget* BuildBottomStrip();
    void ConnectControls();
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void ArrangeControls();
    void HighlightButton(const QString& name);
    void SetStaticTexts();
    void SetHints();
    // Commands are disabled while a scan or a batch runs.
    void ActivityChanged(TActivityKind kind);

    // handlers
    void Open_SBClick();
    void Mail_SBClick();
    void Web_SBClick();
    void Open1Click();
    void C1Click();
    void FileListClick();
    void FileListCurrentChanged();
    void FileListKeyUp();
    void FileListMouseMove();
    void FileListDblClick();
    void FileListContextPopup(const QPoint& pos);
    void Change_Tag_SBClick();
    void Html_SBClick();
    void Write_Tag_SBClick();
    void ClearTags_SBClick();
    void SetFileName_SBClick();
    void CopyId3v2Click();
    void ScanTimerTick();
    void ScanMode_PanelClick();
    void WholePath_PanelClick();
    void Recursive_CBClick(bool checked);
    void ScanCaption_PanelMouseDown(Qt::MouseButton button);
    void ScanCaption_PanelMouseUp(Qt::MouseButton button);
    void ErrorPanelMouseUp(Qt::MouseButton button);
    void TreeScannerFileFound();
    void TreeScannerDirectoryDone();
    void TreeScannerFilesListed(const std::vector<std::string>& paths);
    void CheckBox_01Click(bool checked);
    void All_CBClick(bool checked);
    void ShowHint_CBClick(bool checked);
    void ShowHint_PanelClick();
    void ExtendedInfo_SBClick();
    void Macro_EditChange();
    void TagBoxKeyUp(QComboBox* box);
    void Genre_CBKeyUp();
    void HotKeyKeyUp(THotKeyManager& sender, std::uint16_t& key, TShiftState shift);

    // shortcuts (main_form_keys.cpp)
    void CreateHotKey();
    void RunKeyCommand(TMainKeyCommand command);
    // Moves the focus to a box that can take it; a disabled or hidden one is left alone.
    static void FocusIfPossible(QWidget* box);

    // operations (main_form_scan.cpp)
    // Runs the folder picker; true when the user chose a folder, which is then current.
    bool PickNewFolder();
    void ClearFileList();
    void RunScan();
    void AddFoundFile(const std::string& path);
    std::int32_t ReadBitRate(const std::string& path);
    void ShowScanIndicator(bool scanning);
    QString ScanModeCaption() const;
    void AddRecentPath(const std::string& folder);
    void RefreshRecentCaptions();

    // operations (main_form_display.cpp)
    std::vector<int> SelectedRows() const;
    // The focused row of the list, -1 when there is none.
    int CurrentRow() const;
    // Moves the focus to `row` as a click would, selecting it: alone in single-select mode, in
    // addition to the selection otherwise.
    void MoveCurrentRow(int row);
    TListState ListState() const;
    // The counts of the list as they are now; RememberCounts keeps them for the next
    // UpdateCounters, which hands the last remembered ones on first.
    TCounts Counts() const;
    std::string RememberCounts();
    QString StatusText() const;
    void ShowFileInfo(const std::string& path);
    void ShowStreamPanels();
    void ClearInfoPanels();
    void ClearTagFields();
    void SetFieldEditable(int field, bool editable, const QColor& colour);
    TFieldChoices FieldCheckStates() const;
    void SetFieldChecks(const TFieldChoices& checks);
    void ApplyEnabledFields();
    void RefreshPreview();
    std::size_t UpdateNameLength(const std::string& newName);

    // batch commands (main_form_commands.cpp)
    // What the seven tag boxes hold, each only when it is enabled.
    TTagBoxTexts TagBoxTexts() const;
    // The files a command processes: every listed file in whole-path mode, else the selected
    // ones; none when there are none.
    std::vector<std::string> CommandFiles() const;
    // The files a command processes, after its confirmation: every listed file in whole-path
    // mode, else the selected ones; none when the command ends here.
    std::vector<std::string> CommandPaths(const QString& wholePathQuestion,
                                          const QString& selectedQuestion);
    // Runs a batch over the files, journaled as `journalKind` so that it can be undone, with the
    // list hidden in whole-path mode, and the progress window shown when asked for (the caller
    // hides it).
    TBatchResult RunFileBatch(const std::vector<std::string>& paths, const TFileStep& step,
                              bool showProgress, const char* journalKind);
    // The same with a step in two parts (see RunBatch).
    TBatchResult RunFileBatch(const std::vector<std::string>& paths, const TFileRead& read,
                              bool showProgress, const char* journalKind);
    // What both do: the list, the progress and the journal set up, then `run` with them.
    TBatchResult RunControlledBatch(const std::function<TBatchResult(const TBatchControl&)>& run,
                                    bool showProgress, const char* journalKind);

    // undo (main_form_undo.cpp)
    // The menu entry names the batch an undo would take back, and is off when there is none.
    void UpdateUndoEntry();
    void UndoLastBatch1Click();
    // The list after a whole-path run: shown, multi-select, nothing selected.
    void ShowListAgain();
    // Toggles whole-path mode with the list's selection mode and the field mode.
    void SwitchWholePathMode();

    // settings (main_form_settings.cpp)
    void StoreRecentPaths();
    // Tells the user once when the settings file could not be read and was set aside.
    void ReportBrokenStore();

    TWorkspace& Work;
    // the parts of the workspace the settings are read into and stored from
    std::string& CurrentFolder;
    TMainOptions& Options;
    TFieldChoices& EnabledFields;
    TRecentPaths& RecentPaths;

    TPrompts& Prompts;
    TRegionalSettings Regional;
    std::unique_ptr<TMPEGAudio> CurrentAudio;
    std::unique_ptr<TThrottledYield> Yield;
    TFormInfo* FormInfo = nullptr;
    std::unique_ptr<TBrowseDirectoryDlg> BrowseDirectoryDlg;
    TTreeScanner TreeScanner;
    // the bit-rate check reads the files of the folder being scanned ahead of the scan
    std::unique_ptr<TAnalysisReadAhead> ScanReadAhead;
    TCounts LastCounts;
    bool ShowHints = true;
    // Keeps every tool tip of the program from showing while the hints are off.
    QObject* HintBlocker = nullptr;
    bool HelpPanelCollapsed = false;
    QString HoveredButton;
    std::vector<QToolButton*> HighlightButtons;

    // controls
    QToolButton* Open_SB = nullptr;
    QToolButton* Settings_SB = nullptr;
    QToolButton* Keys_SB = nullptr;
    QToolButton* ShowErrors_SB = nullptr;
    QToolButton* Help_Macros_SB = nullptr;
    QToolButton* About_SB = nullptr;
    QToolButton* Mail_SB = nullptr;
    QToolButton* Web_SB = nullptr;
    QLabel* Credits_Label = nullptr;
    QLabel* CurrentPath_Panel = nullptr; // folder of the file under the pointer
    QLabel* CurrentFile_Panel = nullptr; // name of the file under the pointer

    TPanel* Help_Panel = nullptr; // help column
    QToolButton* ExtendedInfo_SB = nullptr;
    QLabel* TagIdTitle_Label = nullptr;
    QLabel* TagIdHelp_Label = nullptr;
    QLabel* AlignTitle_Label = nullptr;
    QLabel* AlignHelp_Label = nullptr;
    QLabel* TemplatesTitle_Label = nullptr;
    QLabel* TemplatesHelp_Label = nullptr;
    TPanel* ShowHint_Panel = nullptr; // "Show H&int" switch
    QCheckBox* ShowHint_CB = nullptr;

    TPanel* ScanMode_Panel = nullptr;      // scan-mode bar
    TPanel* ScanCaption_Panel = nullptr;   // its caption
    TPanel* ScanIndicator_Panel = nullptr; // the scan indicator square
    QCheckBox* Recursive_CB = nullptr;
    TPanel* Lists_Panel = nullptr; // holds the lists
    QListView* FileList = nullptr;
    TFileListModel* FileModel = nullptr; // the rows of FileList, read from Work.Files
    QMenu* RecentPaths_PM = nullptr;
    std::array<QAction*, RecentPathCount> RecentItems{}; // C1 .. C10
    QAction* Open1 = nullptr;
    QAction* CopyId3v2 = nullptr;      // "Copy ID3v&2 to ID3v1"
    QAction* UndoLastBatch1 = nullptr; // the file list menu's undo of the last batch
    QAction* UndoHistory1 = nullptr;   // "Undo history ...": every kept batch
    TPanel* ErrorPanel = nullptr;

    std::array<QComboBox*, 5> TextBoxes{}; // TitleEdit .. CommentEdit
    QComboBox* TitleEdit = nullptr;
    QComboBox* ArtistEdit = nullptr;
    QComboBox* AlbumEdit = nullptr;
    QComboBox* YearEdit = nullptr;
    QComboBox* CommentEdit = nullptr;
    QComboBox* Genre_CB = nullptr;
    QLineEdit* Track_ME = nullptr;
    std::array<QCheckBox*, FieldCount> FieldChecks{}; // CheckBox_01 .. CheckBox_07
    TPanel* WholePath_Panel = nullptr;                // " Apply To Whole &Path ..."
    QCheckBox* All_CB = nullptr;

    QLabel* Duration_Panel = nullptr;    // duration
    QLabel* FileSize_Panel = nullptr;    // file size
    QLabel* Version_Panel = nullptr;     // version and layer
    QLabel* Mode_Panel = nullptr;        // channel mode
    QLabel* BitRate_Panel = nullptr;     // bit rate
    QLabel* SampleRate_Panel = nullptr;  // sample rate
    QLabel* FrameLength_Panel = nullptr; // frame length
    QLabel* FileCounter = nullptr;       // counter "selected / listed"

    QLineEdit* Macro_Edit = nullptr; // the file-name macro
    QToolButton* Macro_SB = nullptr;
    QLabel* NrOfChars_Panel = nullptr;
    TPanel* MacroPreview_Panel = nullptr;
    QLabel* MacroPreview_Label = nullptr; // the macro preview

    QToolButton* ClearTags_SB = nullptr;
    QToolButton* Write_Tag_SB = nullptr;
    QToolButton* SetFileName_SB = nullptr;
    QToolButton* Change_Tag_SB = nullptr;
    QToolButton* Html_SB = nullptr;

    QTimer* ScanTimer = nullptr;
    THotKeyManager* HotKey = nullptr;
};
