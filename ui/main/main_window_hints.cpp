#include "ui/components/panel.h"
#include "ui/main/command_strip.h"
#include "ui/main/help_column.h"
#include "ui/main/main_window.h"
#include "ui/main/tag_boxes.h"
#include "ui/main/windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>
#include <QToolTip>

namespace {

using THint = std::pair<const char*, const char*>;

const THint ExtractionHints[] = {
    {"Sep_1", "... separator ..."},
    {"Sep_2", "... separator ..."},
    {"Sep_3", "... separator ..."},
    {"Sep_4", "... separator ..."},
    {"Sep_5", "... separator ..."},
    {"FieldBox1", "... set Tag ..."},
    {"FieldBox2", "... set Tag ..."},
    {"FieldBox3", "... set Tag ..."},
    {"FieldBox4", "... set Tag ..."},
    {"FieldBox5", "... set Tag ..."},
    {"FieldBox6", "... set Tag ..."},
    {"Structura_CB", "... \"TAG Formula\" ..."},
    {"Delete_SB", "... delete selected item from \"TAG Formula\" list ..."},
    {"ClearList_SB", "... clear \"TAG Formula\" list ..."},
    {"AddNew_SB", "... add to \"TAG Formula\" list ..."},
    {"Preserve_Tag", "... preserve/clear other TAG ..."},
    {"RichEdit1", "... see extracted TAG ...\r\n    RightClick to swich"},
    {"RichEdit2", "  ... see all TAG ...\r\nRightClick to swich"},
    {"Prev_SB", "... go to previous file ..."},
    {"Next_SB", "... go to next file ..."},
    {"OK_SB", "... start extraction ..."},
    {"Cancel_SB", "... cancel extraction ..."},
    {"Formula_Panel", "... current extraction formula ..."},
    {"Status_Panel", "... number of files to process ..."},
    {"SetFormula_Panel", "... set formula for extraction ..."},
    {"File_Label", "... current file to process ..."},
    {"TotalItems_Panel", "... number of items in \"TAG Formula\" list ..."},
    {"TogglePath_SB", "... Include / Exclude FULL File Path from TAG extraction process ..."},
};

const THint MacroListHints[] = {
    {"Delete_SB", "... delete selected item from \"Macro\" list ..."},
    {"ClearList_SB", "... clear \"Macro\" list ..."},
    {"AddNew_SB", "... add to \"Macro\" list ..."},
    {"Close_SB", "... update and close ..."},
    {"Macro_CB", "... \"Macro\" list ..."},
    {"ItemCount_Panel", "... number of items in \"Macro\" list ..."},
    {"Preview_Panel", "... Preview FileName from \"Macros\" ..."},
};

// A tool tip shows line breaks as "\n"; the hint texts keep the carriage returns of their origin.
QString HintText(const char* hint)
{
    QString text = QString::fromUtf8(hint);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void SetHint(QWidget* widget, const char* hint, bool show)
{
    if (widget != nullptr) {
        widget->setToolTip(show ? HintText(hint) : QString());
    }
}

void SetWindowHints(QWidget* window, const THint* first, const THint* last, bool show)
{
    if (window == nullptr) {
        return;
    }
    for (const THint* hint = first; hint != last; ++hint) {
        SetHint(window->findChild<QWidget*>(QLatin1String(hint->first)), hint->second, show);
    }
}

} // namespace

void SetOtherWindowHints(QWidget* extraction, QWidget* macroList, bool show)
{
    SetWindowHints(extraction, std::begin(ExtractionHints), std::end(ExtractionHints), show);
    SetWindowHints(macroList, std::begin(MacroListHints), std::end(MacroListHints), show);
}

void TMainWindow::SetHints()
{
    const bool show = Help->HintsOn();
    SetHint(FileList, "... RightClick to set path ...\r...     DblClick to Run      ...", show);
    const QString fieldHints[] = {
        tr("... Enable/Disable Editing Title ..."),   tr("... Enable/Disable Editing Artist ..."),
        tr("... Enable/Disable Editing Album ..."),   tr("... Enable/Disable Editing Year ..."),
        tr("... Enable/Disable Editing Comment ..."), tr("... Enable/Disable Editing Genre ..."),
    };
    for (int i = 0; i < static_cast<int>(std::size(fieldHints)); ++i) {
        Tags->Check(i)->setToolTip(show ? fieldHints[i] : QString());
    }
    ErrorNotice->setToolTip(show ? tr("... Errors Found (RighrClick to Clear) ...") : QString());
    Tools->ShowHints(show);
    Commands->ShowHints(show);
    Help->ShowHints(show);
    emit HintsChanged(show);
}

void TMainWindow::ShowHintsToggled(bool)
{
    SetHints();
}
