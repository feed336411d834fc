#pragma once

#include "engine/regional_settings.h"
#include "scan/tree_scanner.h"
#include "workspace/counts.h"
#include "workspace/options.h"
#include "workspace/recent_paths.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTimer;
class QToolButton;
class TBrowseDirectoryDlg;
class TFormInfo;
class TMPEGAudio;
class TPanel;
class TPrompts;
class TThrottledYield;
struct TWindows;

// The main window: the file list of the opened folder, the tag and stream data of the selected
// file, the file-name macro and the commands. It owns the working state that the other windows
// read and drive.
class T_MainForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 7; // Title, Artist, Album, Year, Comment, Genre, Track

    explicit T_MainForm(TPrompts& prompts, QWidget* parent = nullptr);
    ~T_MainForm() override;

    // The other windows, reached no earlier than FormShow; all exist by then.
    void AttachWindows(const TWindows* windows);

    // Full path of the file the tag boxes refer to: the only selected file, or the focused item
    // when several are selected; empty when none is.
    std::string CurrentFileName() const;
    // "selected / total"; stores the two numbers into SelectedCount and TotalCount.
    std::string CountsText();
    void UpdateCounters();
    void RescanFolder();
    void AddRecentPath(const std::string& folder);
    void ClearRecentPaths();
    // True while a scan runs; commands that would change the list wait for its end.
    bool Scanning() const { return ScanDepth > 0; }

    // The working state (shared with the other windows).
    std::string CurrentFolder;
    std::string PickerStartFolder;
    std::vector<std::string> FileNames; // name of each listed file
    std::vector<std::string> FileDirs;  // its folder, ending in "/"
    std::vector<std::string> FoundFiles;
    bool WholePathMode = false;
    bool RecursiveScan = false;
    std::array<bool, FieldCount> EnabledFields{};
    std::array<bool, FieldCount> SingleFieldChecks{};
    bool MultiSelectMode = false;
    TMainOptions Options;
    bool BitRateErrorsFound = false;
    std::vector<std::string> BitRateErrorFiles;
    TRecentPaths RecentPaths = EmptyRecentPaths();
    int SelectedCount = 0;
    int TotalCount = 0;
    bool ShowHints = true;
    QString HoveredButton;

    // Controls, by the names the other windows know them by.
    QToolButton* Open_SB = nullptr;
    QToolButton* Settings_SB = nullptr;
    QToolButton* Keys_SB = nullptr;
    QToolButton* ShowErrors_SB = nullptr;
    QToolButton* Help_Macros_SB = nullptr;
    QToolButton* About_SB = nullptr;
    QToolButton* Mail_SB = nullptr;
    QToolButton* Web_SB = nullptr;
    QLabel* Credits_Label = nullptr;
    QLabel* Panel8 = nullptr;
    QLabel* Panel20 = nullptr;

    TPanel* Panel2 = nullptr; // help column
    QToolButton* SpeedButton1 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label19 = nullptr;
    TPanel* Panel4 = nullptr;
    QCheckBox* CheckBox1 = nullptr;

    TPanel* Panel231 = nullptr;
    TPanel* Panel23 = nullptr;
    TPanel* Panel26 = nullptr;
    QCheckBox* Recursive_CB = nullptr;
    TPanel* Panel6 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* FileListBox2 = nullptr;
    QMenu* RecentParhs_PM = nullptr;
    std::array<QAction*, RecentPathCount> RecentItems{}; // C1 .. C10
    QAction* Open1 = nullptr;
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
    TPanel* Panel29 = nullptr;
    QCheckBox* All_CB = nullptr;

    QLabel* Panel15 = nullptr;
    QLabel* Panel16 = nullptr;
    QLabel* Panel17 = nullptr;
    QLabel* Panel18 = nullptr;
    QLabel* Panel28 = nullptr;
    QLabel* Panel31 = nullptr;
    QLabel* Panel32 = nullptr;
    QLabel* Panel25 = nullptr;

    QLineEdit* Edit6 = nullptr;
    QToolButton* Macro_SB = nullptr;
    QLabel* NrOfChars_Panel = nullptr;
    TPanel* Panel5 = nullptr;
    QLabel* Label15 = nullptr;

    QToolButton* ClearTags_SB = nullptr;
    QToolButton* Write_Tag_SB = nullptr;
    QToolButton* SetFileName_SB = nullptr;
    QToolButton* Change_Tag_SB = nullptr;
    QToolButton* Html_SB = nullptr;

    QTimer* Timer1 = nullptr;
    TTreeScanner TreeScanner;

signals:
    // The window has closed; the program ends.
    void Closed();

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
    void ShowWindow(QWidget* window);

    // handlers
    void Open_SBClick();
    void Settings_SBClick();
    void Keys_SBClick();
    void ShowErrors_SBClick();
    void Help_Macros_SBClick();
    void About_SBClick();
    void Mail_SBClick();
    void Web_SBClick();
    void Open1Click();
    void C1Click();
    void ListBox1Click();
    void ListBox1CurrentChanged();
    void ListBox1KeyUp();
    void ListBox1MouseMove();
    void ListBox1DblClick();
    void ListBox1ContextPopup(const QPoint& pos);
    void Change_Tag_SBClick();
    void Html_SBClick();
    void Macro_SBClick();
    void Write_Tag_SBClick();
    void ClearTags_SBClick();
    void SetFileName_SBClick();
    void Timer1Timer();
    void Panel231Click();
    void Recursive_CBClick(bool checked);
    void Panel23MouseDown(Qt::MouseButton button);
    void Panel23MouseUp(Qt::MouseButton button);
    void ErrorPanelMouseUp(Qt::MouseButton button);
    void TreeScannerFileFound();
    void TreeScannerDirectoryDone();
    void CheckBox_01Click(bool checked);
    void All_CBClick(bool checked);
    void CheckBox1Click(bool checked);
    void Panel4Click();
    void SpeedButton1Click();
    void Edit6Change();
    void TagBoxKeyUp(QComboBox* box);
    void Genre_CBKeyUp();
    void ErrorFormCleared();

    // operations (main_form_scan.cpp)
    // Runs the folder picker; true when the user chose a folder, which is then current.
    bool PickNewFolder();
    void ClearFileList();
    void RunScan();
    void AddFoundFile(const std::string& path);
    std::int32_t ReadBitRate(const std::string& path);
    void ShowScanIndicator(bool scanning);
    QString ScanModeCaption() const;
    void RefreshRecentCaptions();
    void FinishBusy();

    // operations (main_form_display.cpp)
    TListState ListState() const;
    QString StatusText() const;
    void ShowFileInfo(const std::string& path);
    void ShowStreamPanels();
    void ClearInfoPanels();
    void ClearTagFields();
    void SetFieldEditable(int field, bool editable, const QColor& colour);
    void SaveFieldChecks();
    void RestoreFieldChecks();
    void ApplyEnabledFields();
    void RefreshPreview();
    std::size_t UpdateNameLength(const std::string& newName);

    // the error window (main_form_errors.cpp)
    void EmptyErrorLog();
    void AddBitRateWarning(const std::string& path, std::int32_t bitRate);
    void SetErrorCaption(const QString& caption);
    void ShowErrorWindow();
    void ClearErrorWindow();

    // settings (main_form_settings.cpp)
    void LoadOptions();
    void LoadEnabledFields();
    void LoadRecentPaths();
    void StoreRecentPaths();
    // Tells the user once when the settings file could not be read and was set aside.
    void ReportBrokenStore();

    TPrompts& Prompts;
    TRegionalSettings Regional;
    const TWindows* Windows = nullptr;
    std::unique_ptr<TMPEGAudio> CurrentAudio;
    std::unique_ptr<TThrottledYield> Yield;
    TFormInfo* FormInfo = nullptr;
    std::unique_ptr<TBrowseDirectoryDlg> BrowseDirectoryDlg;
    int ScanDepth = 0;
    bool Analysing = false;
    bool SelectionPending = false;
    bool CloseRequested = false;
    bool HelpPanelCollapsed = false;
    std::vector<QToolButton*> HighlightButtons;
};
