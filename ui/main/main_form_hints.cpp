#include "ui/components/panel.h"
#include "ui/main/main_form.h"
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

// Swallows the requests for tool tips while it is installed on the application.
class THintBlocker : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

} // namespace

void SetOtherWindowHints(QWidget* extraction, QWidget* macroList, bool show)
{
    SetWindowHints(extraction, std::begin(ExtractionHints), std::end(ExtractionHints), show);
    SetWindowHints(macroList, std::begin(MacroListHints), std::end(MacroListHints), show);
}

void T_MainForm::SetHints()
{
    const bool show = ShowHints;
    const char* listHint = "... RightClick to set path ...\r...     DblClick to Run      ...";
    SetHint(FileList, listHint, show);
    SetHint(ClearTags_SB, "... Clear ID3 Tag in File(s) ...", show);
    SetHint(Write_Tag_SB, "... Write ID3 Tag in File(s) ...", show);
    SetHint(SetFileName_SB, "... Set FileName from Macros ...", show);
    SetHint(Change_Tag_SB, "... Set ID3 Tag from FileName ...", show);
    SetHint(Macro_Edit, "... Insert Macro for FileName ...", show);
    const char* fieldHints[] = {
        "... Enable/Disable Editing Title ...",   "... Enable/Disable Editing Artist ...",
        "... Enable/Disable Editing Album ...",   "... Enable/Disable Editing Year ...",
        "... Enable/Disable Editing Comment ...", "... Enable/Disable Editing Genre ...",
    };
    for (std::size_t i = 0; i < std::size(fieldHints); ++i) {
        SetHint(FieldChecks[i], fieldHints[i], show);
    }
    SetHint(CurrentPath_Panel, "... Current Path ...", show);
    SetHint(CurrentFile_Panel, "... Last File Selected ...", show);
    SetHint(About_SB, "... About ...", show);
    SetHint(MacroPreview_Label, "... Preview FileName from Macros ...", show);
    SetHint(Open_SB, "... Open ...", show);
    SetHint(Help_Macros_SB, "... Macros Help ...", show);
    SetHint(Html_SB, "... Generate HTML Files with Songs and ID3 Tags ...", show);
    SetHint(Macro_SB, "... Select / Edit - Macro ...", show);
    SetHint(ShowErrors_SB, "... Show Errors ...", show);
    SetHint(Settings_SB, "... Settings ...", show);
    SetHint(Keys_SB, "... ShortCuts ...", show);
    SetHint(Web_SB, "... Go to \"Velmor Group\" Home page ...", show);
    SetHint(Mail_SB, "... Mail to \"Velmor Group\" ...", show);
    SetHint(NrOfChars_Panel, "... Total Chars of \"File Name\" ...", show);
    SetHint(ErrorPanel, "... Errors Found (RighrClick to Clear) ...", show);
    // the hint switch covers the help column's own hints too
    SetHint(ShowHint_Panel, "Show Hint", show);
    SetHint(ExtendedInfo_SB, HelpPanelCollapsed ? "Show Extended Info" : "Hide Extended Info",
            show);

    emit HintsChanged(show);
}

void T_MainForm::ShowHint_CBClick(bool checked)
{
    ShowHints = checked;
    // the switch stands for every tool tip of the program, the other windows' own ones included
    if (HintBlocker == nullptr) {
        HintBlocker = new THintBlocker(this);
    }
    if (ShowHints) {
        qApp->removeEventFilter(HintBlocker);
    } else {
        QToolTip::hideText();
        qApp->installEventFilter(HintBlocker);
    }
    SetHints();
}

void T_MainForm::ShowHint_PanelClick()
{
    ShowHint_CB->toggle();
    SetHints();
}

void T_MainForm::ExtendedInfo_SBClick()
{
    HelpPanelCollapsed = !HelpPanelCollapsed;
    ExtendedInfo_SB->setText(HelpPanelCollapsed ? QStringLiteral("&>") : QStringLiteral("&<"));
    if (ShowHints) {
        ExtendedInfo_SB->setToolTip(HelpPanelCollapsed ? QStringLiteral("Show Extended Info")
                                                       : QStringLiteral("Hide Extended Info"));
    }
    ShowHint_Panel->SetCaption(HelpPanelCollapsed ? QString() : QStringLiteral("Show H&int"));
    for (QLabel* label : {TagIdTitle_Label, TagIdHelp_Label, AlignTitle_Label, AlignHelp_Label,
                          TemplatesTitle_Label, TemplatesHelp_Label}) {
        label->setVisible(!HelpPanelCollapsed);
    }
    ArrangeControls();
}

void T_MainForm::SetStaticTexts()
{
    Help_Macros_SB->setEnabled(true);
    TagIdTitle_Label->setText(QStringLiteral("Tag ID:"));
    TagIdHelp_Label->setText(
        QStringLiteral("%T%    - Title\n\n%A%    - Artist\n\n%ALB%  - Album\n\n"
                       "%TR%   - Track\n\n%Y%    - Year\n\n%CMNT% - Comment\n\n"
                       "%G%    - Genre\n\n%M%    - Mode"));
    AlignTitle_Label->setText(QStringLiteral("Alignement:"));
    AlignHelp_Label->setText(QStringLiteral("L - Left\nR - Right\nC - Centered\nT - Trimmed"));
    TemplatesHelp_Label->setText(QStringLiteral("_tags.htm\n_songs.htm\n \nfrom '../HTML'"));
}
