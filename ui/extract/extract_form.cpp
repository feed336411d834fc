#include "ui/extract/extract_form.h"

#include "engine/path_parts.h"
#include "extract/write_extracted_tag.h"
#include "journal/journal_session.h"
#include "settings/stored_settings.h"
#include "ui/components/form_info.h"
#include "ui/components/hint_table.h"
#include "ui/components/hot_key_manager.h"
#include "ui/components/lossy_question.h"
#include "ui/components/prompts.h"
#include "workspace/batch_report.h"
#include "workspace/key_map.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>
#include <ctime>

namespace {

const QString Attention = QStringLiteral("Attention !");

QString Shown(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

QString Lines(const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines) {
        shown << Shown(line);
    }
    return shown.join(QLatin1Char('\n'));
}

} // namespace

TExtractionWindow::TExtractionWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("_Form3"), QStringLiteral("[ File Name ]   to   [ ID3 Tag ]"),
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
                                  ? static_cast<QWidget*>(Seps[command.Index])
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
    Status_Panel->setText(statusText);
    if (isVisible()) {
        // the main list follows the steps of this window: its counts must not take the step
        // counter back to the first file
        StepCounter = std::min(StepCounter, ToProcessCount);
        ShowStepCounter();
    } else {
        Index_Panel->setText(indexText);
    }
}

void TExtractionWindow::ShowStepCounter()
{
    Index_Panel->setText(QStringLiteral("[ %1 / %2 ]").arg(StepCounter).arg(ToProcessCount));
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

void TExtractionWindow::ShowReplacePairs()
{
    const TReplacePairs& pairs = Options.ReplacePairs;
    for (QComboBox* box : {Replace_1_CB, Replace_2_CB}) {
        const QSignalBlocker quiet(box);
        box->clear();
    }
    for (const TReplacePair& pair : pairs.Pairs) {
        const QSignalBlocker quiet1(Replace_1_CB);
        const QSignalBlocker quiet2(Replace_2_CB);
        Replace_1_CB->addItem(Shown(pair.What));
        Replace_2_CB->addItem(Shown(pair.With));
    }
    const QSignalBlocker quiet1(Replace_1_CB);
    const QSignalBlocker quiet2(Replace_2_CB);
    Replace_1_CB->setCurrentIndex(pairs.Selected);
    Replace_2_CB->setCurrentIndex(pairs.Selected);
    // the preview on display shows what the pairs make of the file now
    if (isVisible() && !TextToExtract.empty()) {
        Run();
    }
}

// --- opening and leaving

void TExtractionWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
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
    WriteFormulaList(batch, {Formulas, Structura_CB->currentIndex()});
}

void TExtractionWindow::FormShow()
{
    {
        const TSettingsBatch store;
        ApplyFormula(ReadFormulaFields(store));
    }
    ShowExtractionText();
    {
        const QSignalBlocker quiet(AutoTrimSpaces_CB);
        AutoTrimSpaces_CB->setChecked(Work.Options.AutoTrimSpaces);
    }
    const bool severalSelected = Start.SelectedRows.size() >= 2;
    Prev_SB->setEnabled(Work.WholePathMode || severalSelected);
    Next_SB->setEnabled(Work.WholePathMode || severalSelected);
    OK_SB->setEnabled(!TextToExtract.empty());
    LoadFormulaList();
    const auto shown = DisplayedRow(Work.Files.Size(), Start.SelectedRows, Start.CurrentRow);
    StepIndex = shown ? static_cast<int>(*shown) : -1;
    StepCounter = 1;
    if (!TextToExtract.empty()) {
        Run();
    }
}

void TExtractionWindow::Cancel_SBClick()
{
    StoreFormulaList();
    hide();
}

// --- the formula and its run

TTagFormula TExtractionWindow::CurrentFormula() const
{
    TTagFormula formula;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        formula.Sep[k] = Seps[k]->text().toStdString();
        formula.Field[k] = static_cast<TTagField>(FieldBoxes[k]->currentIndex());
    }
    return formula;
}

void TExtractionWindow::ApplyFormula(const TTagFormula& formula)
{
    Applying = true;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        Seps[k]->setText(Shown(formula.Sep[k]));
        const int field = static_cast<int>(formula.Field[k]);
        FieldBoxes[k]->setCurrentIndex(field >= 0 && field < TagFieldCount ? field : k);
    }
    Applying = false;
}

TExtractOptions TExtractionWindow::RunOptions() const
{
    TExtractOptions options = Options;
    options.AutoTrimSpaces = Work.Options.AutoTrimSpaces;
    options.CodePage = Work.Options.TagCodePage;
    return options;
}

TFormulaRun TExtractionWindow::Run()
{
    const TTagFormula formula = CurrentFormula();
    TFormulaRun run = RunFormula(TextToExtract, formula, RunOptions(), ShownFile);
    RichEdit1->setPlainText(Lines(run.ExtractedLines));
    RichEdit2->setPlainText(Lines(AllTagsLines(run.PreviewTag)));
    Formula_Panel->setText(Shown(ChainText(formula, run.FieldCount)));
    return run;
}

void TExtractionWindow::FormulaChanged()
{
    if (!Applying) {
        Run();
    }
}

void TExtractionWindow::ShowFile(const std::string& path)
{
    ShownFile = path;
    FullPath = ExtractionText(path, true);
    ShowExtractionText();
}

void TExtractionWindow::ShowExtractionText()
{
    TextToExtract = PathIncluded ? FullPath : NamePart(FullPath);
    File_Label->setText(Shown(TextToExtract));
    Edit_Label->setText(Shown(TextToExtract));
    TogglePath_SB->setText(PathIncluded ? QStringLiteral("Hide &Path")
                                        : QStringLiteral("Show &Path"));
}

void TExtractionWindow::Preserve_TagClick(bool checked)
{
    Options.PreserveOtherTag = checked;
    Preserve_Tag->setText(checked ? QStringLiteral(" Preserve other &TAG")
                                  : QStringLiteral(" CLEAR other &TAG"));
    QPalette colours = Preserve_Tag->palette();
    colours.setColor(QPalette::WindowText, checked ? Qt::black : Qt::red);
    Preserve_Tag->setPalette(colours);
    Run();
    if (!ViewAllTags) {
        ShowAllTags(true);
    }
}

void TExtractionWindow::AutoTrimSpaces_CBClick(bool checked)
{
    Work.Options.AutoTrimSpaces = checked;
    Run();
}

void TExtractionWindow::CaseClick()
{
    // also a click on the option already chosen runs, as every click on a case button does
    Options.CaseMode = Lower_RB->isChecked()        ? TCaseMode::cmLower
                       : Upper_RB->isChecked()      ? TCaseMode::cmUpper
                       : Capitalize_RB->isChecked() ? TCaseMode::cmCapitalize
                                                    : TCaseMode::cmNone;
    Run();
}

void TExtractionWindow::TogglePath_SBClick()
{
    PathIncluded = !PathIncluded;
    ShowExtractionText();
    Run();
}

void TExtractionWindow::ShowAllTags(bool all)
{
    ViewAllTags = all;
    RichEdit1->setVisible(!all);
    RichEdit2->setVisible(all);
}

void TExtractionWindow::ExtractedTAG_SBClick()
{
    ShowAllTags(false);
}

void TExtractionWindow::AllTAG_SBClick()
{
    ShowAllTags(true);
}

void TExtractionWindow::Replace_1_CBChange(int index)
{
    Options.ReplacePairs.Selected = index;
    const QSignalBlocker quiet(Replace_2_CB);
    Replace_2_CB->setCurrentIndex(index);
}

void TExtractionWindow::Replace_2_CBChange(int index)
{
    Options.ReplacePairs.Selected = index;
    const QSignalBlocker quiet(Replace_1_CB);
    Replace_1_CB->setCurrentIndex(index);
}

// --- the formula list

void TExtractionWindow::ShowListSize()
{
    const int count = Structura_CB->count();
    TotalItems_Panel->setText(count == 1 ? QStringLiteral("1 Item in List")
                                         : QStringLiteral("%1 Items in List").arg(count));
}

void TExtractionWindow::LoadFormulaList()
{
    const TFormulaList list = ReadFormulaList(TSettingsBatch());
    Formulas = list.Formulas;
    {
        const QSignalBlocker quiet(Structura_CB);
        Structura_CB->clear();
        for (const TTagFormula& formula : Formulas) {
            Structura_CB->addItem(Shown(FormulaText(formula)));
        }
        Structura_CB->setCurrentIndex(Formulas.empty() ? -1 : list.CurrentIndex);
    }
    ApplyFormula(Formulas.empty() ? DefaultFormula() : Formulas[list.CurrentIndex]);
    ShowListSize();
}

void TExtractionWindow::StoreFormulaList()
{
    TSettingsBatch batch;
    WriteFormulaList(batch, {Formulas, std::max(Structura_CB->currentIndex(), 0)});
}

void TExtractionWindow::Structura_CBChange(int index)
{
    if (index >= 0 && index < static_cast<int>(Formulas.size())) {
        ApplyFormula(Formulas[index]);
        Run();
    }
}

void TExtractionWindow::AddNew_SBClick()
{
    if (static_cast<int>(Formulas.size()) >= MaxFormulaCount) {
        return;
    }
    Formulas.push_back(CurrentFormula());
    {
        const QSignalBlocker quiet(Structura_CB);
        Structura_CB->addItem(Shown(FormulaText(Formulas.back())));
        Structura_CB->setCurrentIndex(Structura_CB->count() - 1);
    }
    StoreFormulaList();
    ShowListSize();
}

void TExtractionWindow::Delete_SBClick()
{
    const int index = Structura_CB->currentIndex();
    if (index < 0 || !Prompts.Confirm(this, Attention,
                                      QStringLiteral("Delete : ") + Structura_CB->currentText() +
                                          QStringLiteral(" ?"))) {
        return;
    }
    Formulas.erase(Formulas.begin() + index);
    {
        const QSignalBlocker quiet(Structura_CB);
        Structura_CB->removeItem(index);
        Structura_CB->setCurrentIndex(std::min(index, Structura_CB->count() - 1));
    }
    StoreFormulaList();
    // with the last formula gone the boxes show the default one, as on an empty list's opening
    const int selected = Structura_CB->currentIndex();
    ApplyFormula(selected >= 0 ? Formulas[selected] : DefaultFormula());
    Run();
    ShowListSize();
}

void TExtractionWindow::ClearList_SBClick()
{
    if (Structura_CB->currentIndex() < 0 ||
        !Prompts.Confirm(this, Attention, QStringLiteral("Clear Formula List ?"))) {
        return;
    }
    Formulas.clear();
    {
        const QSignalBlocker quiet(Structura_CB);
        Structura_CB->clear();
    }
    StoreFormulaList();
    ShowListSize();
}

// --- stepping

void TExtractionWindow::Prev_SBClick()
{
    Step(false);
}

void TExtractionWindow::Next_SBClick()
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
        const bool viewport = watched == RichEdit1->viewport() || watched == RichEdit2->viewport();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && !viewport && watched != Edit_Label) {
            Step(key == Qt::Key_Down);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if ((watched == RichEdit1->viewport() || watched == RichEdit2->viewport()) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            ShowAllTags(!ViewAllTags);
        }
        break;
    case QEvent::Enter:
        HighlightButton(qobject_cast<QToolButton*>(watched));
        break;
    case QEvent::MouseMove:
        if (watched == Edit_Label) {
            Edit_Label->setToolTip(Edit_Label->text());
        } else if (watched == Example_Panel) {
            const int selected = Options.ReplacePairs.Selected;
            const auto& pairs = Options.ReplacePairs.Pairs;
            Example_Panel->setToolTip(
                selected >= 0 && selected < static_cast<int>(pairs.size())
                    ? QStringLiteral("Replace ALL \"%1\" with \"%2\".")
                          .arg(Shown(pairs[selected].What), Shown(pairs[selected].With))
                    : QString());
        }
        break;
    default:
        break;
    }
    return THidingWindow::eventFilter(watched, event);
}

// --- the batch

void TExtractionWindow::OK_SBClick()
{
    emit ErrorLogEmptied();
    const bool wholePath = Work.WholePathMode;
    if (wholePath &&
        !Prompts.Confirm(this, Attention,
                         QStringLiteral("... Write ID3 TAG to ALL Files in Path ? ..."))) {
        return;
    }
    if (Start.CurrentRow < 0 || Work.Files.Empty()) {
        hide();
        return;
    }
    const auto rows = ProcessedRows(Work.Files.Size(), Start.SelectedRows, wholePath);
    if (!wholePath && rows.size() > 1 &&
        !Prompts.Confirm(this, Attention,
                         QStringLiteral("... Write ID3 TAG to All SELECTED Files ? ..."))) {
        return;
    }
    TFileFailures failures;
    // the window's own commands wait while its batch runs
    setEnabled(false);
    const bool ran = Work.Activity.Run(TActivityKind::Batch, [&] {
        failures = ProcessFiles(std::vector<int>(rows.begin(), rows.end()), wholePath);
    });
    setEnabled(true);
    if (!ran) {
        Prompts.Inform(this, windowTitle(),
                       QStringLiteral("Another job is running; try again when it is done."));
        return;
    }
    StoreFormulaList();
    if (wholePath) {
        emit WholePathDone();
    }
    hide();
    emit FilesFailed(failures);
}

TFileFailures TExtractionWindow::ProcessFiles(const std::vector<int>& rows, bool wholePath)
{
    const TTagFormula formula = CurrentFormula();
    const int range = static_cast<int>(rows.size());
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const TYieldFn yield = [&sinceEvents] {
        // the window is redrawn as often as the eye can follow, not once per file
        if (sinceEvents.elapsed() >= 16) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
    };
    TFileFailures failures;
    std::vector<std::string> paths;
    for (const int row : rows) {
        paths.push_back(Work.Files[row].FullName());
    }
    // asked once, before any file: a file whose values the code page cannot hold keeps its tag
    // (and is listed) unless the user lets them be written with "?"
    std::vector<std::string> lossyFiles;
    for (const std::string& path : paths) {
        const std::string fullPath = ExtractionText(path, true);
        const TFormulaRun values =
            ExtractValues(PathIncluded ? fullPath : NamePart(fullPath), formula, RunOptions());
        if (ValuesLoseCharacters(formula, values.Values, Work.Options.TagCodePage)) {
            lossyFiles.push_back(path);
        }
    }
    const bool lossy = AskWriteLossy(Prompts, this, lossyFiles);
    // journaled so that it can be undone; no file is touched when the journal cannot be written
    TJournalSession journal(Work.JournalFolder, JournalExtract, std::time(nullptr));
    if (!journal.Begin(paths)) {
        return {journal.Failure()};
    }
    emit ProgressStarted();
    for (int i = 0; i < range && !Work.Activity.StopRequested(); ++i) {
        // in whole-path mode the bar stands at the file's index, with the selection after it
        emit ProgressReported(wholePath ? i : i + 1, range, Shown(ProgressText(i + 1, range)));
        if (wholePath) {
            emit CurrentRowRequested(rows[i]); // the main list follows the file at hand
        }
        yield();
        const std::string& path = paths[i];
        // the boxes show the file when the window is next drawn, not once per file
        ShownFile = path;
        FullPath = ExtractionText(path, true);
        TextToExtract = PathIncluded ? FullPath : NamePart(FullPath);
        const TFormulaRun run = RunFormula(TextToExtract, formula, RunOptions(), path, yield);
        const TJournalSession::TFileScope journaled(journal, static_cast<std::size_t>(i));
        // listed under the folder of the extraction text, as the user sees the file here
        if (auto failure = WriteExtractedTag(path, formula, run.Values, Options.PreserveOtherTag,
                                             yield, Work.Options.TagCodePage, lossy)) {
            failure->Path = TextToExtract;
            failures.push_back(*failure);
        } else if (!journal.FileDone(i, {})) {
            failures.push_back(journal.Failure());
            break; // the files after this one could not be undone
        } else if (NotProcessedCorrectly(formula, run)) {
            failures.push_back(FailureFromReason(TextToExtract, TFailureReason::Incomplete, ""));
        }
    }
    if (journal.Failure().Text.empty() && !Work.Activity.StopRequested()) {
        journal.End();
    }
    emit ProgressEnded();
    ShowExtractionText();
    Run();
    return failures;
}

void TExtractionWindow::ShowHints(bool show)
{
    ShowWindowHints(this, THintWindow::Extraction, show);
}
