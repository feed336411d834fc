#pragma once

#include "engine/file_failure.h"
#include "extract/extract_values.h"
#include "ui/auxiliary/hiding_window.h"
#include "workspace/extraction_steps.h"

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QToolButton;
class TFormInfo;
class THotKeyManager;
class TPrompts;
class TSettingsBatch;
struct TWorkspace;

// "Name To ID3": builds a TAG Formula, previews what it extracts from the file shown, steps through
// the files to process, keeps the list of up to 255 formulas and writes the extracted tags of all
// files to process. The main window hands it the files through StartExtraction and the counts
// through ShowFileCounts before showing it; the window tells the other windows its news through
// signals.
class TExtractionWindow : public THidingWindow
{
    Q_OBJECT

public:
    TExtractionWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent = nullptr);

    // `toProcess` files of `total` listed ones will be processed; the index and status panels
    // show `indexText` and `statusText`.
    void ShowFileCounts(int toProcess, int total, const QString& indexText,
                        const QString& statusText);
    int ToProcess() const { return ToProcessCount; }
    int TotalFiles() const { return TotalCount; }

    // The file to show first and the main list's selection, as the window is about to open.
    void StartExtraction(const TExtractionStart& start);

    // Adds the six separators and field choices of the current formula to the caller's batch.
    void StoreLastFormula(TSettingsBatch& batch);

    // The replace pairs, which the replace dialog edits; ShowReplacePairs shows them again.
    TReplacePairs& ReplacePairs() { return Options.ReplacePairs; }
    void ShowReplacePairs();

public slots:
    // The hints follow the main window's hint switch.
    void ShowHints(bool show);

signals:
    // The window hid itself: the main window shows its file list again.
    void Hidden();
    // In whole-path mode stepping and the batch move the main list's current entry.
    void CurrentRowRequested(int row);
    // A whole-path batch is done: the main window leaves whole-path mode.
    void WholePathDone();
    void ReplaceDialogRequested();
    void ErrorsShowRequested();
    // The error list of a batch: emptied as it starts, and its failed files as it ends.
    void ErrorLogEmptied();
    void FilesFailed(const TFileFailures& failures);
    // The progress window while a batch runs.
    void ProgressStarted();
    void ProgressReported(int position, int range, const QString& text);
    void ProgressEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // construction (extract_form_layout.cpp)
    void BuildControls();
    QWidget* BuildFormulaPanel();
    QWidget* BuildOptionsColumn();
    QWidget* BuildListRow();
    QWidget* BuildBottomRow();
    void ConnectControls();
    void HighlightButton(QToolButton* hovered);

    // handlers
    void FormShow();
    void FormulaChanged();
    void Preserve_TagClick(bool checked);
    void AutoTrimSpaces_CBClick(bool checked);
    void CaseClick();
    void TogglePath_SBClick();
    void ExtractedTAG_SBClick();
    void AllTAG_SBClick();
    void Structura_CBChange(int index);
    void Replace_1_CBChange(int index);
    void Replace_2_CBChange(int index);
    void AddNew_SBClick();
    void Delete_SBClick();
    void ClearList_SBClick();
    void Prev_SBClick();
    void Next_SBClick();
    void OK_SBClick();
    void Cancel_SBClick();

    // operations (extract_form.cpp)
    TTagFormula CurrentFormula() const;
    void ApplyFormula(const TTagFormula& formula);
    TExtractOptions RunOptions() const;
    // Runs the formula on the extraction text and shows the results.
    TFormulaRun Run();
    void ShowFile(const std::string& path);
    void ShowExtractionText();
    void ShowAllTags(bool all);
    void ShowListSize();
    void LoadFormulaList();
    void StoreFormulaList();
    void Step(bool forward);
    // "[ k / N ]" in the index panel.
    void ShowStepCounter();
    TFileFailures ProcessFiles(const std::vector<int>& rows, bool wholePath);

    TWorkspace& Work;
    TPrompts& Prompts;
    TExtractOptions Options;
    std::vector<TTagFormula> Formulas;
    TExtractionStart Start;
    std::string ShownFile;     // full path of the file shown (bytes)
    std::string FullPath;      // the same without its root
    std::string TextToExtract; // FullPath, or its file name part when the path is excluded
    bool PathIncluded = true;
    bool ViewAllTags = false;
    bool Applying = false; // the boxes are being filled: one run afterwards, not one per box
    int StepIndex = -1;
    int StepCounter = 1;
    int ToProcessCount = 0;
    int TotalCount = 0;

    TFormInfo* FormInfo = nullptr;
    QLineEdit* Edit_Label = nullptr;
    QLabel* File_Label = nullptr;
    QToolButton* TogglePath_SB = nullptr;
    QFrame* SetFormula_Panel = nullptr;
    std::array<QLineEdit*, 6> Seps{};       // Sep_1 .. Sep_6
    std::array<QComboBox*, 6> FieldBoxes{}; // FieldBox1 .. FieldBox6
    THotKeyManager* HotKey = nullptr;       // Ctrl+1..6 and Shift+1..6 on release
    QPlainTextEdit* RichEdit1 = nullptr;    // the extracted lines
    QPlainTextEdit* RichEdit2 = nullptr;    // the all-tags lines
    QToolButton* ExtractedTAG_SB = nullptr;
    QToolButton* AllTAG_SB = nullptr;
    QToolButton* ShowErrors_SB = nullptr;
    QCheckBox* Preserve_Tag = nullptr;
    QCheckBox* AutoTrimSpaces_CB = nullptr;
    QRadioButton* Lower_RB = nullptr;
    QRadioButton* Upper_RB = nullptr;
    QRadioButton* Capitalize_RB = nullptr;
    QRadioButton* None_RB = nullptr;
    QLabel* ReplaceWhat_Label = nullptr;
    QLabel* ReplaceWith_Label = nullptr;
    QComboBox* Replace_1_CB = nullptr;
    QComboBox* Replace_2_CB = nullptr;
    QToolButton* ReplaceDialog_SB = nullptr; // opens the replace dialog
    QLabel* ReplaceTitle_Panel = nullptr;
    QLabel* Example_Panel = nullptr; // the example of the selected pair
    QComboBox* Structura_CB = nullptr;
    QMenu* Formula_PM = nullptr;
    QLabel* TotalItems_Panel = nullptr;
    QToolButton* AddNew_SB = nullptr;
    QToolButton* Delete_SB = nullptr;
    QToolButton* ClearList_SB = nullptr;
    QLabel* Formula_Panel = nullptr;
    QLabel* Index_Panel = nullptr;
    QLabel* Status_Panel = nullptr;
    QToolButton* Prev_SB = nullptr;
    QToolButton* Next_SB = nullptr;
    QToolButton* OK_SB = nullptr;
    QToolButton* Cancel_SB = nullptr;
    std::vector<QToolButton*> HighlightButtons; // the ten that light up under the mouse
};
