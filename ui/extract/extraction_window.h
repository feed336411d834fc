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

    // `toProcess` files of `total` listed ones will be processed; the step counter and status
    // panels show `indexText` and `statusText`.
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
    void ProgressShown(bool shown);
    void ProgressReported(int position, int range, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // construction (extraction_window_layout.cpp)
    void BuildControls();
    QWidget* BuildFormulaPanel();
    QWidget* BuildOptionsColumn();
    QWidget* BuildListRow();
    QWidget* BuildBottomRow();
    void SetAccessibleNames();
    void ConnectControls();
    void HighlightButton(QToolButton* hovered);

    // opening, stepping and leaving (extraction_window.cpp)
    void Opened();
    void PreviousClicked();
    void NextClicked();
    void CancelClicked();
    void Step(bool forward);
    // "[ k / N ]" in the step counter panel.
    void ShowStepCounter();

    // the formula and its preview (extraction_preview.cpp)
    TTagFormula CurrentFormula() const;
    void ApplyFormula(const TTagFormula& formula);
    TExtractOptions RunOptions() const;
    // Runs the formula on the extraction text and shows the results.
    TFormulaRun Run();
    void ShowFile(const std::string& path);
    void ShowExtractionText();
    void ShowAllTags(bool all);
    void FormulaChanged();
    void PreserveOtherTagClicked(bool checked);
    void AutoTrimSpacesClicked(bool checked);
    void CaseClicked();
    void TogglePathClicked();
    void ExtractedTagsClicked();
    void AllTagsClicked();
    void ReplaceWhatChanged(int index);
    void ReplaceWithChanged(int index);

    // the formula list (extraction_formula_list.cpp)
    void ShowListSize();
    void LoadFormulaList();
    void StoreFormulaList();
    void FormulaListChanged(int index);
    void AddFormulaClicked();
    void DeleteFormulaClicked();
    void ClearListClicked();

    // the batch (extraction_window_batch.cpp)
    void OkClicked();
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
    QLineEdit* ExtractionTextBox = nullptr; // the extraction text, read-only
    QLabel* CurrentFileLabel = nullptr;     // the same, hidden
    QToolButton* TogglePathButton = nullptr;
    QFrame* FormulaBoxesFrame = nullptr;
    std::array<QLineEdit*, 6> SeparatorBoxes{};
    std::array<QComboBox*, 6> FieldBoxes{};
    THotKeyManager* HotKey = nullptr;           // Ctrl+1..6 and Shift+1..6 on release
    QPlainTextEdit* ExtractedPreview = nullptr; // the extracted lines
    QPlainTextEdit* AllTagsPreview = nullptr;   // the all-tags lines
    QToolButton* ExtractedTagsButton = nullptr;
    QToolButton* AllTagsButton = nullptr;
    QToolButton* ShowErrorsButton = nullptr;
    QCheckBox* PreserveOtherTagBox = nullptr;
    QCheckBox* AutoTrimSpacesBox = nullptr;
    QRadioButton* LowerCaseButton = nullptr;
    QRadioButton* UpperCaseButton = nullptr;
    QRadioButton* CapitalizeButton = nullptr;
    QRadioButton* NoCaseButton = nullptr;
    QLabel* ReplaceWhatLabel = nullptr;
    QLabel* ReplaceWithLabel = nullptr;
    QComboBox* ReplaceWhatBox = nullptr;
    QComboBox* ReplaceWithBox = nullptr;
    QToolButton* ReplaceDialogButton = nullptr;
    QLabel* ReplaceTitlePanel = nullptr;
    QLabel* ExamplePanel = nullptr; // the example of the selected pair
    QComboBox* FormulaListBox = nullptr;
    QMenu* FormulaListMenu = nullptr;
    QLabel* ListSizePanel = nullptr;
    QToolButton* AddFormulaButton = nullptr;
    QToolButton* DeleteFormulaButton = nullptr;
    QToolButton* ClearListButton = nullptr;
    QLabel* CurrentFormulaPanel = nullptr; // the chain of the last run
    QLabel* StepCounterPanel = nullptr;
    QLabel* StatusPanel = nullptr;
    QToolButton* PreviousButton = nullptr;
    QToolButton* NextButton = nullptr;
    QToolButton* OkButton = nullptr;
    QToolButton* CancelButton = nullptr;
    std::vector<QToolButton*> HighlightButtons; // the ten that light up under the mouse
};
