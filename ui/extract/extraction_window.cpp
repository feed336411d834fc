#include "ui/extract/extraction_window.h"

#include "settings/stored_settings.h"
#include "ui/components/form_info.h"
#include "ui/components/hint_table.h"
#include "ui/components/hot_key_manager.h"
#include "workspace/key_map.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>

TExtractionWindow::TExtractionWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("ExtractionWindow"), tr("[ File Name ]   to   [ ID3 Tag ]"),
                    parent),
      Work(work), Prompts(prompts)
{
    BuildControls();
    ConnectControls();
    // released Ctrl and Shift digits move the focus to a separator box and a field list
    HotKey = new THotKeyManager(this);
    HotKey->setObjectName(QStringLiteral("HotKey"));
    HotKey->SetOnKeyUp([this](THotKeyManager&, std::uint16_t& key, TShiftState shift) {
        for (const TExtractionKeyCommand command : ExtractionKeyCommands(key, shift)) {
            QWidget* target = command.Target == TExtractionKeyTarget::Separator
                                  ? static_cast<QWidget*>(SeparatorBoxes[command.Index])
                                  : FieldBoxes[command.Index];
            target->setFocus(Qt::ShortcutFocusReason);
        }
    });
    HotKey->Loaded();
    ShowReplacePairs();
    ShowListSize();
}

void TExtractionWindow::ShowFileCounts(int toProcess, int total, const QString& indexText,
                                       const QString& statusText)
{
    ToProcessCount = toProcess;
    TotalCount = total;
    StatusPanel->setText(statusText);
    if (isVisible()) {
        // the main list follows the steps of this window: its counts must not take the step
        // counter back to the first file
        StepCounter = std::min(StepCounter, ToProcessCount);
        ShowStepCounter();
    } else {
        StepCounterPanel->setText(indexText);
    }
}

void TExtractionWindow::ShowStepCounter()
{
    StepCounterPanel->setText(tr("[ %1 / %2 ]").arg(StepCounter).arg(ToProcessCount));
}

void TExtractionWindow::StartExtraction(const TExtractionStart& start)
{
    Start = start;
    ShownFile = start.CurrentFile;
    FullPath = ExtractionText(ShownFile, true);
    TextToExtract = FullPath;
}

void TExtractionWindow::StoreLastFormula(TSettingsBatch& batch)
{
    WriteFormulaFields(batch, CurrentFormula());
}

// --- opening and leaving

void TExtractionWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        Opened();
    }
}

void TExtractionWindow::hideEvent(QHideEvent* event)
{
    THidingWindow::hideEvent(event);
    if (!event->spontaneous()) {
        emit Hidden();
    }
}

void TExtractionWindow::closeEvent(QCloseEvent* event)
{
    THidingWindow::closeEvent(event); // hides
    TSettingsBatch batch;
    FormInfo->Save(batch);
    WriteFormulaFields(batch, CurrentFormula());
    WriteFormulaList(batch, {Formulas, FormulaListBox->currentIndex()});
}

void TExtractionWindow::Opened()
{
    {
        const TSettingsBatch store;
        ApplyFormula(ReadFormulaFields(store));
    }
    ShowExtractionText();
    {
        const QSignalBlocker quiet(AutoTrimSpacesBox);
        AutoTrimSpacesBox->setChecked(Work.Options.AutoTrimSpaces);
    }
    const bool severalSelected = Start.SelectedRows.size() >= 2;
    PreviousButton->setEnabled(Work.WholePathMode || severalSelected);
    NextButton->setEnabled(Work.WholePathMode || severalSelected);
    OkButton->setEnabled(!TextToExtract.empty());
    LoadFormulaList();
    const auto shown = DisplayedRow(Work.Files.Size(), Start.SelectedRows, Start.CurrentRow);
    StepIndex = shown ? static_cast<int>(*shown) : -1;
    StepCounter = 1;
    if (!TextToExtract.empty()) {
        Run();
    }
}

void TExtractionWindow::CancelClicked()
{
    StoreFormulaList();
    hide();
}

// --- stepping

void TExtractionWindow::PreviousClicked()
{
    Step(false);
}

void TExtractionWindow::NextClicked()
{
    Step(true);
}

void TExtractionWindow::Step(bool forward)
{
    const bool wholePath = Work.WholePathMode;
    const auto target =
        StepTarget(wholePath, Work.Files.Size(), Start.SelectedRows, StepIndex, forward);
    // the main window may have listed another folder meanwhile
    if (!target || *target >= static_cast<int>(Work.Files.Size())) {
        return;
    }
    if (wholePath || *target != StepIndex) {
        StepCounter = StepCounterAfter(StepCounter, ToProcessCount, forward);
        ShowStepCounter();
    }
    StepIndex = *target;
    if (wholePath) {
        emit CurrentRowRequested(StepIndex);
    }
    ShowFile(Work.Files[StepIndex].FullName());
    Run();
}

bool TExtractionWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool viewport =
            watched == ExtractedPreview->viewport() || watched == AllTagsPreview->viewport();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && !viewport &&
            watched != ExtractionTextBox) {
            Step(key == Qt::Key_Down);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if ((watched == ExtractedPreview->viewport() || watched == AllTagsPreview->viewport()) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            ShowAllTags(!ViewAllTags);
        }
        break;
    case QEvent::Enter:
        HighlightButton(qobject_cast<QToolButton*>(watched));
        break;
    case QEvent::MouseMove:
        if (watched == ExtractionTextBox) {
            ExtractionTextBox->setToolTip(ExtractionTextBox->text());
        } else if (watched == ExamplePanel) {
            const int selected = Options.ReplacePairs.Selected;
            const auto& pairs = Options.ReplacePairs.Pairs;
            ExamplePanel->setToolTip(selected >= 0 && selected < static_cast<int>(pairs.size())
                                         ? tr("Replace ALL \"%1\" with \"%2\".")
                                               .arg(QString::fromStdString(pairs[selected].What),
                                                    QString::fromStdString(pairs[selected].With))
                                         : QString());
        }
        break;
    default:
        break;
    }
    return THidingWindow::eventFilter(watched, event);
}

void TExtractionWindow::ShowHints(bool show)
{
    ShowWindowHints(this, THintWindow::Extraction, show);
}
