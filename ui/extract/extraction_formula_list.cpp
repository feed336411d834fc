#include "settings/stored_settings.h"
#include "ui/components/prompts.h"
#include "ui/extract/extraction_window.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>

// --- the formula list

void TExtractionWindow::ShowListSize()
{
    const int count = FormulaListBox->count();
    ListSizePanel->setText(count == 1 ? tr("1 Item in List") : tr("%1 Items in List").arg(count));
}

void TExtractionWindow::LoadFormulaList()
{
    const TFormulaList list = ReadFormulaList(TSettingsBatch());
    Formulas = list.Formulas;
    {
        const QSignalBlocker quiet(FormulaListBox);
        FormulaListBox->clear();
        for (const TTagFormula& formula : Formulas) {
            FormulaListBox->addItem(QString::fromStdString(FormulaText(formula)));
        }
        FormulaListBox->setCurrentIndex(Formulas.empty() ? -1 : list.CurrentIndex);
    }
    ApplyFormula(Formulas.empty() ? DefaultFormula() : Formulas[list.CurrentIndex]);
    ShowListSize();
}

void TExtractionWindow::StoreFormulaList()
{
    TSettingsBatch batch;
    WriteFormulaList(batch, {Formulas, std::max(FormulaListBox->currentIndex(), 0)});
}

void TExtractionWindow::FormulaListChanged(int index)
{
    if (index >= 0 && index < static_cast<int>(Formulas.size())) {
        ApplyFormula(Formulas[index]);
        Run();
    }
}

void TExtractionWindow::AddFormulaClicked()
{
    if (static_cast<int>(Formulas.size()) >= MaxFormulaCount) {
        return;
    }
    Formulas.push_back(CurrentFormula());
    {
        const QSignalBlocker quiet(FormulaListBox);
        FormulaListBox->addItem(QString::fromStdString(FormulaText(Formulas.back())));
        FormulaListBox->setCurrentIndex(FormulaListBox->count() - 1);
    }
    StoreFormulaList();
    ShowListSize();
}

void TExtractionWindow::DeleteFormulaClicked()
{
    const int index = FormulaListBox->currentIndex();
    if (index < 0 || !Prompts.Confirm(this, tr("Attention !"),
                                      tr("Delete : %1 ?").arg(FormulaListBox->currentText()))) {
        return;
    }
    Formulas.erase(Formulas.begin() + index);
    {
        const QSignalBlocker quiet(FormulaListBox);
        FormulaListBox->removeItem(index);
        FormulaListBox->setCurrentIndex(std::min(index, FormulaListBox->count() - 1));
    }
    StoreFormulaList();
    // with the last formula gone the boxes show the default one, as on an empty list's opening
    const int selected = FormulaListBox->currentIndex();
    ApplyFormula(selected >= 0 ? Formulas[selected] : DefaultFormula());
    Run();
    ShowListSize();
}

void TExtractionWindow::ClearListClicked()
{
    if (FormulaListBox->currentIndex() < 0 ||
        !Prompts.Confirm(this, tr("Attention !"), tr("Clear Formula List ?"))) {
        return;
    }
    Formulas.clear();
    {
        const QSignalBlocker quiet(FormulaListBox);
        FormulaListBox->clear();
    }
    StoreFormulaList();
    ShowListSize();
}
