#include "ui/components/hint_table.h"

#include <QCoreApplication>
#include <QWidget>

#include <iterator>
#include <utility>

namespace {

using THint = std::pair<const char*, const char*>; // control, hint

const THint ExtractionHints[] = {
    {"SeparatorBox1", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"SeparatorBox2", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"SeparatorBox3", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"SeparatorBox4", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"SeparatorBox5", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"SeparatorBox6", QT_TRANSLATE_NOOP("Hints", "... separator ...")},
    {"FieldBox1", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox2", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox3", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox4", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox5", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FieldBox6", QT_TRANSLATE_NOOP("Hints", "... set Tag ...")},
    {"FormulaListBox", QT_TRANSLATE_NOOP("Hints", "... \"TAG Formula\" ...")},
    {"DeleteFormulaButton",
     QT_TRANSLATE_NOOP("Hints", "... delete selected item from \"TAG Formula\" list ...")},
    {"ClearListButton", QT_TRANSLATE_NOOP("Hints", "... clear \"TAG Formula\" list ...")},
    {"AddFormulaButton", QT_TRANSLATE_NOOP("Hints", "... add to \"TAG Formula\" list ...")},
    {"PreserveOtherTagBox", QT_TRANSLATE_NOOP("Hints", "... preserve/clear other TAG ...")},
    {"ExtractedPreview",
     QT_TRANSLATE_NOOP("Hints", "... see extracted TAG ...\r\n    RightClick to swich")},
    {"AllTagsPreview", QT_TRANSLATE_NOOP("Hints", "  ... see all TAG ...\r\nRightClick to swich")},
    {"PreviousButton", QT_TRANSLATE_NOOP("Hints", "... go to previous file ...")},
    {"NextButton", QT_TRANSLATE_NOOP("Hints", "... go to next file ...")},
    {"OkButton", QT_TRANSLATE_NOOP("Hints", "... start extraction ...")},
    {"CancelButton", QT_TRANSLATE_NOOP("Hints", "... cancel extraction ...")},
    {"CurrentFormulaPanel", QT_TRANSLATE_NOOP("Hints", "... current extraction formula ...")},
    {"StatusPanel", QT_TRANSLATE_NOOP("Hints", "... number of files to process ...")},
    {"FormulaBoxesFrame", QT_TRANSLATE_NOOP("Hints", "... set formula for extraction ...")},
    {"CurrentFileLabel", QT_TRANSLATE_NOOP("Hints", "... current file to process ...")},
    {"ListSizePanel",
     QT_TRANSLATE_NOOP("Hints", "... number of items in \"TAG Formula\" list ...")},
    {"TogglePathButton",
     QT_TRANSLATE_NOOP("Hints",
                       "... Include / Exclude FULL File Path from TAG extraction process ...")},
};

const THint MacroListHints[] = {
    {"DeleteButton",
     QT_TRANSLATE_NOOP("Hints", "... delete selected item from \"Macro\" list ...")},
    {"ClearListButton", QT_TRANSLATE_NOOP("Hints", "... clear \"Macro\" list ...")},
    {"AddMacroButton", QT_TRANSLATE_NOOP("Hints", "... add to \"Macro\" list ...")},
    {"CloseButton", QT_TRANSLATE_NOOP("Hints", "... update and close ...")},
    {"MacroListBox", QT_TRANSLATE_NOOP("Hints", "... \"Macro\" list ...")},
    {"ListSizePanel", QT_TRANSLATE_NOOP("Hints", "... number of items in \"Macro\" list ...")},
    {"PreviewPanel", QT_TRANSLATE_NOOP("Hints", "... Preview FileName from \"Macros\" ...")},
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
