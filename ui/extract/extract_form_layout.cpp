#include "settings/registry.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/form_info.h"
#include "ui/extract/extract_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T* Named(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QToolButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QLabel* Panel(QWidget* parent, const char* name, const QString& caption = {})
{
    auto* panel = Named(new QLabel(caption, parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

QPlainTextEdit* Preview(QWidget* parent, const char* name)
{
    auto* view = Named(new QPlainTextEdit(parent), name);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setContextMenuPolicy(Qt::NoContextMenu); // the right button switches the views
    view->setFont(QFont(QStringLiteral("Monospace")));
    return view;
}

} // namespace

void TExtractionWindow::BuildControls()
{
    Edit_Label = Named(new QLineEdit(this), "Edit_Label");
    Edit_Label->setReadOnly(true);
    File_Label = Named(new QLabel(this), "File_Label");
    File_Label->hide();
    TogglePath_SB = Button(this, "TogglePath_SB", QStringLiteral("Hide &Path"));
    TogglePath_SB->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Edit_Label, 1);
    fileRow->addWidget(TogglePath_SB);

    RichEdit1 = Preview(this, "RichEdit1");
    RichEdit2 = Preview(this, "RichEdit2");
    RichEdit2->hide();
    auto* middle = new QHBoxLayout;
    auto* previews = new QVBoxLayout;
    previews->addWidget(RichEdit1, 1);
    previews->addWidget(RichEdit2, 1);
    middle->addLayout(previews, 1);
    middle->addWidget(BuildOptionsColumn());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(BuildFormulaPanel());
    layout->addLayout(middle, 1);
    layout->addWidget(BuildListRow());
    layout->addWidget(BuildBottomRow());

    HighlightButtons = {AddNew_SB, Delete_SB, ClearList_SB,    Prev_SB,   Next_SB,
                        OK_SB,     Cancel_SB, ExtractedTAG_SB, AllTAG_SB, ShowErrors_SB};
    for (QToolButton* button : HighlightButtons) {
        button->installEventFilter(this);
    }
    for (QWidget* blank :
         {static_cast<QWidget*>(SetFormula_Panel), static_cast<QWidget*>(ReplaceTitle_Panel),
          static_cast<QWidget*>(Example_Panel), static_cast<QWidget*>(Formula_Panel),
          static_cast<QWidget*>(Index_Panel), static_cast<QWidget*>(Status_Panel),
          static_cast<QWidget*>(TotalItems_Panel)}) {
        blank->setMouseTracking(true);
        blank->installEventFilter(this);
    }
    // keys Up and Down step through the files from these controls
    for (QWidget* stepper :
         {static_cast<QWidget*>(RichEdit1), static_cast<QWidget*>(RichEdit2),
          static_cast<QWidget*>(Preserve_Tag), static_cast<QWidget*>(AutoTrimSpaces_CB)}) {
        stepper->installEventFilter(this);
    }
    for (int k = 0; k < FormulaFieldCount; ++k) {
        Seps[k]->installEventFilter(this);
        FieldBoxes[k]->installEventFilter(this);
    }
    RichEdit1->viewport()->installEventFilter(this);
    RichEdit2->viewport()->installEventFilter(this);
    Edit_Label->setMouseTracking(true);
    Edit_Label->installEventFilter(this);
    Example_Panel->installEventFilter(this);
    resize(620, 480);

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = QStringLiteral("_Form3");
    FormInfo->Loaded();
}

QWidget* TExtractionWindow::BuildFormulaPanel()
{
    SetFormula_Panel = Named(new QFrame(this), "SetFormula_Panel");
    SetFormula_Panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(SetFormula_Panel);
    const QStringList names = {QStringLiteral("Track"), QStringLiteral("Artist"),
                               QStringLiteral("Album"), QStringLiteral("Title"),
                               QStringLiteral("Year"),  QStringLiteral("Comment"),
                               QStringLiteral("_TRASH")};
    for (int k = 0; k < FormulaFieldCount; ++k) {
        Seps[k] = new QLineEdit(SetFormula_Panel);
        Seps[k]->setObjectName(QStringLiteral("Sep_%1").arg(k + 1));
        FieldBoxes[k] = new QComboBox(SetFormula_Panel);
        FieldBoxes[k]->setObjectName(QStringLiteral("FieldBox%1").arg(k + 1));
        FieldBoxes[k]->addItems(names);
        FieldBoxes[k]->setCurrentIndex(k);
        grid->addWidget(Seps[k], 0, 2 * k);
        grid->addWidget(FieldBoxes[k], 0, 2 * k + 1);
    }
    return SetFormula_Panel;
}

QWidget* TExtractionWindow::BuildOptionsColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    ExtractedTAG_SB = Button(column, "ExtractedTAG_SB", QStringLiteral("Extracted TA&G`s"));
    AllTAG_SB = Button(column, "AllTAG_SB", QStringLiteral("All TAG`&s"));
    ShowErrors_SB = Button(column, "ShowErrors_SB", QStringLiteral("Show &Errors"));
    Preserve_Tag =
        Named(new QCheckBox(QStringLiteral(" Preserve other &TAG"), column), "Preserve_Tag");
    Preserve_Tag->setChecked(true);
    AutoTrimSpaces_CB = Named(new QCheckBox(QStringLiteral("AutoT&rim Spaces from TAG`s"), column),
                              "AutoTrimSpaces_CB");
    Lower_RB = Named(new QRadioButton(QStringLiteral("lo&wer case"), column), "Lower_RB");
    Upper_RB = Named(new QRadioButton(QStringLiteral("&UPPER CASE"), column), "Upper_RB");
    Capitalize_RB =
        Named(new QRadioButton(QStringLiteral("Capitalize &First"), column), "Capitalize_RB");
    None_RB = Named(new QRadioButton(QStringLiteral("&None"), column), "None_RB");
    None_RB->setChecked(true);
    for (QWidget* control :
         {static_cast<QWidget*>(ExtractedTAG_SB), static_cast<QWidget*>(AllTAG_SB),
          static_cast<QWidget*>(ShowErrors_SB), static_cast<QWidget*>(Preserve_Tag),
          static_cast<QWidget*>(AutoTrimSpaces_CB), static_cast<QWidget*>(Lower_RB),
          static_cast<QWidget*>(Upper_RB), static_cast<QWidget*>(Capitalize_RB),
          static_cast<QWidget*>(None_RB)}) {
        layout->addWidget(control);
    }

    ReplaceTitle_Panel = Named(
        new QLabel(QStringLiteral("Replace in File Name [ALL] Item[s] in Lists ... "), column),
        "ReplaceTitle_Panel");
    layout->addWidget(ReplaceTitle_Panel);
    auto* pairs = new QGridLayout;
    ReplaceWhat_Label = Named(new QLabel(QStringLiteral("Replace"), column), "ReplaceWhat_Label");
    ReplaceWith_Label = Named(new QLabel(QStringLiteral("with"), column), "ReplaceWith_Label");
    Replace_1_CB = Named(new QComboBox(column), "Replace_1_CB");
    Replace_2_CB = Named(new QComboBox(column), "Replace_2_CB");
    ReplaceDialog_SB = Button(column, "ReplaceDialog_SB", QStringLiteral("&..."));
    ReplaceDialog_SB->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    pairs->addWidget(ReplaceWhat_Label, 0, 0);
    pairs->addWidget(Replace_1_CB, 0, 1);
    pairs->addWidget(ReplaceDialog_SB, 0, 2);
    pairs->addWidget(ReplaceWith_Label, 1, 0);
    pairs->addWidget(Replace_2_CB, 1, 1);
    layout->addLayout(pairs);
    Example_Panel = Panel(column, "Example_Panel", QStringLiteral("... Example ..."));
    layout->addWidget(Example_Panel);
    layout->addStretch();
    return column;
}

QWidget* TExtractionWindow::BuildListRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Structura_CB = Named(new QComboBox(row), "Structura_CB");
    Structura_CB->setContextMenuPolicy(Qt::CustomContextMenu);
    Formula_PM = Named(new QMenu(Structura_CB), "Formula_PM");
    Formula_PM->addAction(QStringLiteral("Delete")); // does nothing, as it always has
    TotalItems_Panel = Panel(row, "TotalItems_Panel");
    AddNew_SB = Button(row, "AddNew_SB", QStringLiteral("&Add New"));
    Delete_SB = Button(row, "Delete_SB", QStringLiteral("&Delete Item"));
    ClearList_SB = Button(row, "ClearList_SB", QStringLiteral("Clear &List"));
    Formula_Panel = Panel(row, "Formula_Panel");
    layout->addWidget(Structura_CB, 0, 0, 1, 3);
    layout->addWidget(TotalItems_Panel, 0, 3);
    layout->addWidget(AddNew_SB, 1, 0);
    layout->addWidget(Delete_SB, 1, 1);
    layout->addWidget(ClearList_SB, 1, 2);
    layout->addWidget(Formula_Panel, 2, 0, 1, 4);
    return row;
}

QWidget* TExtractionWindow::BuildBottomRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Index_Panel = Panel(row, "Index_Panel", QStringLiteral("[ 0 / 0 ]"));
    Status_Panel = Panel(row, "Status_Panel");
    Prev_SB = Button(row, "Prev_SB", QStringLiteral("&<<"));
    Next_SB = Button(row, "Next_SB", QStringLiteral("&>>"));
    OK_SB = Button(row, "OK_SB", QStringLiteral("&OK"));
    Cancel_SB = Button(row, "Cancel_SB", QStringLiteral("&Cancel"));
    layout->addWidget(Index_Panel);
    layout->addWidget(Status_Panel, 1);
    for (QToolButton* button : {Prev_SB, Next_SB, OK_SB, Cancel_SB}) {
        layout->addWidget(button);
    }
    return row;
}

void TExtractionWindow::ConnectControls()
{
    for (int k = 0; k < FormulaFieldCount; ++k) {
        connect(Seps[k], &QLineEdit::textChanged, this, &TExtractionWindow::FormulaChanged);
        connect(FieldBoxes[k], &QComboBox::currentIndexChanged, this,
                &TExtractionWindow::FormulaChanged);
    }
    for (QRadioButton* mode : {Lower_RB, Upper_RB, Capitalize_RB, None_RB}) {
        connect(mode, &QRadioButton::clicked, this, &TExtractionWindow::CaseClick);
    }
    connect(Preserve_Tag, &QCheckBox::toggled, this, &TExtractionWindow::Preserve_TagClick);
    connect(AutoTrimSpaces_CB, &QCheckBox::toggled, this,
            &TExtractionWindow::AutoTrimSpaces_CBClick);
    connect(TogglePath_SB, &QToolButton::clicked, this, &TExtractionWindow::TogglePath_SBClick);
    connect(ExtractedTAG_SB, &QToolButton::clicked, this, &TExtractionWindow::ExtractedTAG_SBClick);
    connect(AllTAG_SB, &QToolButton::clicked, this, &TExtractionWindow::AllTAG_SBClick);
    connect(ShowErrors_SB, &QToolButton::clicked, this, &TExtractionWindow::ErrorsShowRequested);
    connect(ReplaceDialog_SB, &QToolButton::clicked, this,
            &TExtractionWindow::ReplaceDialogRequested);
    connect(Structura_CB, &QComboBox::currentIndexChanged, this,
            &TExtractionWindow::Structura_CBChange);
    connect(Structura_CB, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Formula_PM->popup(Structura_CB->mapToGlobal(pos)); });
    connect(Replace_1_CB, &QComboBox::currentIndexChanged, this,
            &TExtractionWindow::Replace_1_CBChange);
    connect(Replace_2_CB, &QComboBox::currentIndexChanged, this,
            &TExtractionWindow::Replace_2_CBChange);
    connect(AddNew_SB, &QToolButton::clicked, this, &TExtractionWindow::AddNew_SBClick);
    connect(Delete_SB, &QToolButton::clicked, this, &TExtractionWindow::Delete_SBClick);
    connect(ClearList_SB, &QToolButton::clicked, this, &TExtractionWindow::ClearList_SBClick);
    connect(Prev_SB, &QToolButton::clicked, this, &TExtractionWindow::Prev_SBClick);
    connect(Next_SB, &QToolButton::clicked, this, &TExtractionWindow::Next_SBClick);
    connect(OK_SB, &QToolButton::clicked, this, &TExtractionWindow::OK_SBClick);
    connect(Cancel_SB, &QToolButton::clicked, this, &TExtractionWindow::Cancel_SBClick);
}

void TExtractionWindow::HighlightButton(QToolButton* hovered)
{
    for (QToolButton* button : HighlightButtons) {
        SetCaptionColour(button, button == hovered ? Qt::red : Qt::black);
    }
}
