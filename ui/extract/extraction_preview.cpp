#include "engine/path_parts.h"
#include "ui/extract/extraction_window.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

namespace {

QString Lines(const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines) {
        shown << QString::fromStdString(line);
    }
    return shown.join(QLatin1Char('\n'));
}

} // namespace

void TExtractionWindow::ShowReplacePairs()
{
    const TReplacePairs& pairs = Options.ReplacePairs;
    for (QComboBox* box : {ReplaceWhatBox, ReplaceWithBox}) {
        const QSignalBlocker quiet(box);
        box->clear();
    }
    for (const TReplacePair& pair : pairs.Pairs) {
        const QSignalBlocker quiet1(ReplaceWhatBox);
        const QSignalBlocker quiet2(ReplaceWithBox);
        ReplaceWhatBox->addItem(QString::fromStdString(pair.What));
        ReplaceWithBox->addItem(QString::fromStdString(pair.With));
    }
    const QSignalBlocker quiet1(ReplaceWhatBox);
    const QSignalBlocker quiet2(ReplaceWithBox);
    ReplaceWhatBox->setCurrentIndex(pairs.Selected);
    ReplaceWithBox->setCurrentIndex(pairs.Selected);
    // the preview on display shows what the pairs make of the file now
    if (isVisible() && !TextToExtract.empty()) {
        Run();
    }
}

// --- the formula and its run

TTagFormula TExtractionWindow::CurrentFormula() const
{
    TTagFormula formula;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        formula.Sep[k] = SeparatorBoxes[k]->text().toStdString();
        formula.Field[k] = static_cast<TTagField>(FieldBoxes[k]->currentIndex());
    }
    return formula;
}

void TExtractionWindow::ApplyFormula(const TTagFormula& formula)
{
    Applying = true;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        SeparatorBoxes[k]->setText(QString::fromStdString(formula.Sep[k]));
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
    ExtractedPreview->setPlainText(Lines(run.ExtractedLines));
    AllTagsPreview->setPlainText(Lines(AllTagsLines(run.PreviewTag)));
    CurrentFormulaPanel->setText(QString::fromStdString(ChainText(formula, run.FieldCount)));
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
    CurrentFileLabel->setText(QString::fromStdString(TextToExtract));
    ExtractionTextBox->setText(QString::fromStdString(TextToExtract));
    TogglePathButton->setText(PathIncluded ? tr("Hide &Path") : tr("Show &Path"));
}

void TExtractionWindow::PreserveOtherTagClicked(bool checked)
{
    Options.PreserveOtherTag = checked;
    PreserveOtherTagBox->setText(checked ? tr(" Preserve other &TAG") : tr(" CLEAR other &TAG"));
    QPalette colours = PreserveOtherTagBox->palette();
    colours.setColor(QPalette::WindowText, checked ? Qt::black : Qt::red);
    PreserveOtherTagBox->setPalette(colours);
    Run();
    if (!ViewAllTags) {
        ShowAllTags(true);
    }
}

void TExtractionWindow::AutoTrimSpacesClicked(bool checked)
{
    Work.Options.AutoTrimSpaces = checked;
    Run();
}

void TExtractionWindow::CaseClicked()
{
    // also a click on the option already chosen runs, as every click on a case button does
    Options.CaseMode = LowerCaseButton->isChecked()    ? TCaseMode::cmLower
                       : UpperCaseButton->isChecked()  ? TCaseMode::cmUpper
                       : CapitalizeButton->isChecked() ? TCaseMode::cmCapitalize
                                                       : TCaseMode::cmNone;
    Run();
}

void TExtractionWindow::TogglePathClicked()
{
    PathIncluded = !PathIncluded;
    ShowExtractionText();
    Run();
}

void TExtractionWindow::ShowAllTags(bool all)
{
    ViewAllTags = all;
    ExtractedPreview->setVisible(!all);
    AllTagsPreview->setVisible(all);
}

void TExtractionWindow::ExtractedTagsClicked()
{
    ShowAllTags(false);
}

void TExtractionWindow::AllTagsClicked()
{
    ShowAllTags(true);
}

void TExtractionWindow::ReplaceWhatChanged(int index)
{
    Options.ReplacePairs.Selected = index;
    const QSignalBlocker quiet(ReplaceWithBox);
    ReplaceWithBox->setCurrentIndex(index);
}

void TExtractionWindow::ReplaceWithChanged(int index)
{
    Options.ReplacePairs.Selected = index;
    const QSignalBlocker quiet(ReplaceWhatBox);
    ReplaceWhatBox->setCurrentIndex(index);
}
