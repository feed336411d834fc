#include "ui/components/hint_table.h"

#include <QCoreApplication>
#include <QWidget>

#include <iterator>
#include <utility>

namespace {

using THint = std::pair<const char*, const char*>; // control, hint

const THint ExtractionHints[] = {
    {"Sep_1", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"Sep_2", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"Sep_3", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"Sep_4", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"Sep_5", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"FieldBox1", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox2", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox3", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox4", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox5", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox6", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"Structura_CB", QT_TRANSLATE_NOOP("Hints", "... \"TAG Formula\" ...")},
    {"Delete_SB",
     QT_TRANSLATE_NOOP("Hints", "... delete selected item from \"TAG Formula\" list ...")},
    {"ClearList_SB", QT_TRANSLATE_NOOP("Hints", "... clear \"TAG Formula\" list ...")},
    {"AddNew_SB", QT_TRANSLATE_NOOP("Hints", "... add to \"TAG Formula\" list ...")},
    {"Preserve_Tag", QT_TRANSLATE_NOOP("Hints", "... preserve/clear other TAG ...")},
    {"RichEdit1",
     QT_TRANSLATE_NOOP("Hints", "... see extracted TAG ...\r\n    RightClick to swich")},
    {"RichEdit2", QT_TRANSLATE_NOOP("Hints", "  ... see all TAG ...\r\nRightClick to swich")},
    {"Prev_SB", QT_TRANSLATE_NOOP("Hints", "... go to previous file ...")},
    {"Next_SB", QT_TRANSLATE_NOOP("Hints", "... go to next file ...")},
    {"OK_SB", QT_TRANSLATE_NOOP("Hints", "... start extraction ...")},
    {"Cancel_SB", QT_TRANSLATE_NOOP("Hints", "... cancel extraction ...")},
    {"Formula_Panel", QT_TRANSLATE_NOOP("Hints", "... current extraction formula ...")},
    {"Status_Panel", QT_TRANSLATE_NOOP("Hints", "... number of files to process ...")},
    {"SetFormula_Panel", QT_TRANSLATE_NOOP("Hints", "... set formula for extraction ...")},
    {"File_Label", QT_TRANSLATE_NOOP("Hints", "... current file to process ...")},
    {"TotalItems_Panel",
     QT_TRANSLATE_NOOP("Hints", "... number of items in \"TAG Formula\" list ...")},
    {"TogglePath_SB",
     QT_TRANSLATE_NOOP("Hints",
                       "... Include / Exclude FULL File Path from TAG extraction process ...")},
};

const THint MacroListHints[] = {
    {"Delete_SB", QT_TRANSLATE_NOOP("Hints", "... delete selected item from \"Macro\" list ...")},
    {"ClearList_SB", QT_TRANSLATE_NOOP("Hints", "... clear \"Macro\" list ...")},
    {"AddNew_SB", QT_TRANSLATE_NOOP("Hints", "... add to \"Macro\" list ...")},
    {"Close_SB", QT_TRANSLATE_NOOP("Hints", "... update and close ...")},
    {"Macro_CB", QT_TRANSLATE_NOOP("Hints", "... \"Macro\" list ...")},
    {"ItemCount_Panel", QT_TRANSLATE_NOOP("Hints", "... number of items in \"Macro\" list ...")},
    {"Preview_Panel", QT_TRANSLATE_NOOP("Hints", "... Preview FileName from \"Macros\" ...")},
};

} // namespace

QString HintText(const char* hint)
{
    QString text = QCoreApplication::translate("Hints", hint);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void ShowWindowHints(QWidget* window, THintWindow table, bool show)
{
    const auto apply = [&](const auto& hints) {
        for (const auto& [control, hint] : hints) {
            if (auto* widget = window->findChild<QWidget*>(QLatin1String(control))) {
                widget->setToolTip(show ? HintText(hint) : QString());
            }
        }
    };
    if (table == THintWindow::Extraction) {
        apply(ExtractionHints);
    } else {
        apply(MacroListHints);
    }
}
