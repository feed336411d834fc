#include "settings/registry.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/form_info.h"
#include "ui/components/named.h"
#include "ui/extract/extraction_window.h"

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

#include <utility>

namespace {

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
    ExtractionTextBox = Named(new QLineEdit(this), "ExtractionTextBox");
    ExtractionTextBox->setReadOnly(true);
    CurrentFileLabel = Named(new QLabel(this), "CurrentFileLabel");
    CurrentFileLabel->hide();
    TogglePathButton = Button(this, "TogglePathButton", tr("Hide &Path"));
    TogglePathButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(ExtractionTextBox, 1);
    fileRow->addWidget(TogglePathButton);

    ExtractedPreview = Preview(this, "ExtractedPreview");
    AllTagsPreview = Preview(this, "AllTagsPreview");
    AllTagsPreview->hide();
    auto* middle = new QHBoxLayout;
    auto* previews = new QVBoxLayout;
    previews->addWidget(ExtractedPreview, 1);
    previews->addWidget(AllTagsPreview, 1);
    middle->addLayout(previews, 1);
    middle->addWidget(BuildOptionsColumn());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(BuildFormulaPanel());
    layout->addLayout(middle, 1);
    layout->addWidget(BuildListRow());
    layout->addWidget(BuildBottomRow());
    SetAccessibleNames();

    HighlightButtons = {AddFormulaButton, DeleteFormulaButton, ClearListButton,
                        PreviousButton,   NextButton,          OkButton,
                        CancelButton,     ExtractedTagsButton, AllTagsButton,
                        ShowErrorsButton};
    for (QToolButton* button : HighlightButtons) {
        button->installEventFilter(this);
    }
    for (QWidget* blank :
         {static_cast<QWidget*>(FormulaBoxesFrame), static_cast<QWidget*>(ReplaceTitlePanel),
          static_cast<QWidget*>(ExamplePanel), static_cast<QWidget*>(CurrentFormulaPanel),
          static_cast<QWidget*>(StepCounterPanel), static_cast<QWidget*>(StatusPanel),
          static_cast<QWidget*>(ListSizePanel)}) {
        blank->setMouseTracking(true);
        blank->installEventFilter(this);
    }
    // keys Up and Down step through the files from these controls
    for (QWidget* stepper :
         {static_cast<QWidget*>(ExtractedPreview), static_cast<QWidget*>(AllTagsPreview),
          static_cast<QWidget*>(PreserveOtherTagBox), static_cast<QWidget*>(AutoTrimSpacesBox)}) {
        stepper->installEventFilter(this);
    }
    for (int k = 0; k < FormulaFieldCount; ++k) {
        SeparatorBoxes[k]->installEventFilter(this);
        FieldBoxes[k]->installEventFilter(this);
    }
    ExtractedPreview->viewport()->installEventFilter(this);
    AllTagsPreview->viewport()->installEventFilter(this);
    ExtractionTextBox->setMouseTracking(true);
    ExtractionTextBox->installEventFilter(this);
    ExamplePanel->installEventFilter(this);
    resize(620, 480);

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = ExtractionWindowSection;
    FormInfo->Loaded();
}

QWidget* TExtractionWindow::BuildFormulaPanel()
{
    FormulaBoxesFrame = Named(new QFrame(this), "FormulaBoxesFrame");
    FormulaBoxesFrame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(FormulaBoxesFrame);
    const QStringList names = {tr("Track"), tr("Artist"),  tr("Album"), tr("Title"),
                               tr("Year"),  tr("Comment"), tr("_TRASH")};
    for (int k = 0; k < FormulaFieldCount; ++k) {
        SeparatorBoxes[k] = new QLineEdit(FormulaBoxesFrame);
        SeparatorBoxes[k]->setObjectName(QStringLiteral("SeparatorBox%1").arg(k + 1));
        FieldBoxes[k] = new QComboBox(FormulaBoxesFrame);
        FieldBoxes[k]->setObjectName(QStringLiteral("FieldBox%1").arg(k + 1));
        FieldBoxes[k]->addItems(names);
        FieldBoxes[k]->setCurrentIndex(k);
        grid->addWidget(SeparatorBoxes[k], 0, 2 * k);
        grid->addWidget(FieldBoxes[k], 0, 2 * k + 1);
    }
    return FormulaBoxesFrame;
}

QWidget* TExtractionWindow::BuildOptionsColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    ExtractedTagsButton = Button(column, "ExtractedTagsButton", tr("Extracted TA&G`s"));
    AllTagsButton = Button(column, "AllTagsButton", tr("All TAG`&s"));
    ShowErrorsButton = Button(column, "ShowErrorsButton", tr("Show &Errors"));
    PreserveOtherTagBox =
        Named(new QCheckBox(tr(" Preserve other &TAG"), column), "PreserveOtherTagBox");
    PreserveOtherTagBox->setChecked(true);
    AutoTrimSpacesBox =
        Named(new QCheckBox(tr("AutoT&rim Spaces from TAG`s"), column), "AutoTrimSpacesBox");
    LowerCaseButton = Named(new QRadioButton(tr("lo&wer case"), column), "LowerCaseButton");
    UpperCaseButton = Named(new QRadioButton(tr("&UPPER CASE"), column), "UpperCaseButton");
    CapitalizeButton = Named(new QRadioButton(tr("Capitalize &First"), column), "CapitalizeButton");
    NoCaseButton = Named(new QRadioButton(tr("&None"), column), "NoCaseButton");
    NoCaseButton->setChecked(true);
    for (QWidget* control :
         {static_cast<QWidget*>(ExtractedTagsButton), static_cast<QWidget*>(AllTagsButton),
          static_cast<QWidget*>(ShowErrorsButton), static_cast<QWidget*>(PreserveOtherTagBox),
          static_cast<QWidget*>(AutoTrimSpacesBox), static_cast<QWidget*>(LowerCaseButton),
          static_cast<QWidget*>(UpperCaseButton), static_cast<QWidget*>(CapitalizeButton),
          static_cast<QWidget*>(NoCaseButton)}) {
        layout->addWidget(control);
    }

    ReplaceTitlePanel =
        Named(new QLabel(tr("Replace in File Name [ALL] Item[s] in Lists ... "), column),
              "ReplaceTitlePanel");
    layout->addWidget(ReplaceTitlePanel);
    auto* pairs = new QGridLayout;
    ReplaceWhatLabel = Named(new QLabel(tr("Replace"), column), "ReplaceWhatLabel");
    ReplaceWithLabel = Named(new QLabel(tr("with"), column), "ReplaceWithLabel");
    ReplaceWhatBox = Named(new QComboBox(column), "ReplaceWhatBox");
    ReplaceWithBox = Named(new QComboBox(column), "ReplaceWithBox");
    ReplaceDialogButton = Button(column, "ReplaceDialogButton", tr("&..."));
    ReplaceDialogButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    pairs->addWidget(ReplaceWhatLabel, 0, 0);
    pairs->addWidget(ReplaceWhatBox, 0, 1);
    pairs->addWidget(ReplaceDialogButton, 0, 2);
    pairs->addWidget(ReplaceWithLabel, 1, 0);
    pairs->addWidget(ReplaceWithBox, 1, 1);
    layout->addLayout(pairs);
    ExamplePanel = Panel(column, "ExamplePanel", tr("... Example ..."));
    layout->addWidget(ExamplePanel);
    layout->addStretch();
    return column;
}

QWidget* TExtractionWindow::BuildListRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    FormulaListBox = Named(new QComboBox(row), "FormulaListBox");
    FormulaListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    FormulaListMenu = Named(new QMenu(FormulaListBox), "FormulaListMenu");
    FormulaListMenu->addAction(tr("Delete")); // does nothing, as it always has
    ListSizePanel = Panel(row, "ListSizePanel");
    AddFormulaButton = Button(row, "AddFormulaButton", tr("&Add New"));
    DeleteFormulaButton = Button(row, "DeleteFormulaButton", tr("&Delete Item"));
    ClearListButton = Button(row, "ClearListButton", tr("Clear &List"));
    CurrentFormulaPanel = Panel(row, "CurrentFormulaPanel");
    layout->addWidget(FormulaListBox, 0, 0, 1, 3);
    layout->addWidget(ListSizePanel, 0, 3);
    layout->addWidget(AddFormulaButton, 1, 0);
    layout->addWidget(DeleteFormulaButton, 1, 1);
    layout->addWidget(ClearListButton, 1, 2);
    layout->addWidget(CurrentFormulaPanel, 2, 0, 1, 4);
    return row;
}

QWidget* TExtractionWindow::BuildBottomRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    StepCounterPanel = Panel(row, "StepCounterPanel", tr("[ 0 / 0 ]"));
    StatusPanel = Panel(row, "StatusPanel");
    PreviousButton = Button(row, "PreviousButton", tr("&<<"));
    NextButton = Button(row, "NextButton", tr("&>>"));
    OkButton = Button(row, "OkButton", tr("&OK"));
    CancelButton = Button(row, "CancelButton", tr("&Cancel"));
    layout->addWidget(StepCounterPanel);
    layout->addWidget(StatusPanel, 1);
    for (QToolButton* button : {PreviousButton, NextButton, OkButton, CancelButton}) {
        layout->addWidget(button);
    }
    return row;
}

void TExtractionWindow::SetAccessibleNames()
{
    const std::pair<QWidget*, QString> names[] = {
        {ExtractionTextBox, tr("Extraction text")},
        {CurrentFileLabel, tr("Current file")},
        {TogglePathButton, tr("Include or exclude the path")},
        {FormulaBoxesFrame, tr("Formula")},
        {ExtractedPreview, tr("Extracted tags")},
        {AllTagsPreview, tr("All tags")},
        {ExtractedTagsButton, tr("Show extracted tags")},
        {AllTagsButton, tr("Show all tags")},
        {ShowErrorsButton, tr("Show errors")},
        {PreserveOtherTagBox, tr("Preserve other tag")},
        {AutoTrimSpacesBox, tr("Trim spaces")},
        {LowerCaseButton, tr("Lower case")},
        {UpperCaseButton, tr("Upper case")},
        {CapitalizeButton, tr("Capitalize")},
        {NoCaseButton, tr("Case unchanged")},
        {ReplaceWhatLabel, tr("Replace")},
        {ReplaceWithLabel, tr("With")},
        {ReplaceWhatBox, tr("Texts to replace")},
        {ReplaceWithBox, tr("Replacement texts")},
        {ReplaceDialogButton, tr("Edit replace pairs")},
        {ReplaceTitlePanel, tr("Replace in file name")},
        {ExamplePanel, tr("Replace example")},
        {FormulaListBox, tr("Formula list")},
        {ListSizePanel, tr("Formulas in list")},
        {AddFormulaButton, tr("Add formula")},
        {DeleteFormulaButton, tr("Delete formula")},
        {ClearListButton, tr("Clear formula list")},
        {CurrentFormulaPanel, tr("Current formula")},
        {StepCounterPanel, tr("File number")},
        {StatusPanel, tr("Files to process")},
        {PreviousButton, tr("Previous file")},
        {NextButton, tr("Next file")},
        {OkButton, tr("Write tags")},
        {CancelButton, tr("Cancel")},
    };
    for (const auto& [control, name] : names) {
        control->setAccessibleName(name);
    }
    for (int k = 0; k < FormulaFieldCount; ++k) {
        SeparatorBoxes[k]->setAccessibleName(tr("Separator %1").arg(k + 1));
        FieldBoxes[k]->setAccessibleName(tr("Field %1").arg(k + 1));
    }
}

void TExtractionWindow::ConnectControls()
{
    for (int k = 0; k < FormulaFieldCount; ++k) {
        connect(SeparatorBoxes[k], &QLineEdit::textChanged, this,
                &TExtractionWindow::FormulaChanged);
        connect(FieldBoxes[k], &QComboBox::currentIndexChanged, this,
                &TExtractionWindow::FormulaChanged);
    }
    for (QRadioButton* mode : {LowerCaseButton, UpperCaseButton, CapitalizeButton, NoCaseButton}) {
        connect(mode, &QRadioButton::clicked, this, &TExtractionWindow::CaseClicked);
    }
    connect(PreserveOtherTagBox, &QCheckBox::toggled, this,
            &TExtractionWindow::PreserveOtherTagClicked);
    connect(AutoTrimSpacesBox, &QCheckBox::toggled, this,
            &TExtractionWindow::AutoTrimSpacesClicked);
    connect(TogglePathButton, &QToolButton::clicked, this, &TExtractionWindow::TogglePathClicked);
    connect(ExtractedTagsButton, &QToolButton::clicked, this,
            &TExtractionWindow::ExtractedTagsClicked);
    connect(AllTagsButton, &QToolButton::clicked, this, &TExtractionWindow::AllTagsClicked);
    connect(ShowErrorsButton, &QToolButton::clicked, this, &TExtractionWindow::ErrorsShowRequested);
    connect(ReplaceDialogButton, &QToolButton::clicked, this,
            &TExtractionWindow::ReplaceDialogRequested);
    connect(FormulaListBox, &QComboBox::currentIndexChanged, this,
            &TExtractionWindow::FormulaListChanged);
    connect(FormulaListBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        FormulaListMenu->popup(FormulaListBox->mapToGlobal(pos));
    });
    connect(ReplaceWhatBox, &QComboBox::currentIndexChanged, this,
            &TExtractionWindow::ReplaceWhatChanged);
    connect(ReplaceWithBox, &QComboBox::currentIndexChanged, this,
            &TExtractionWindow::ReplaceWithChanged);
    connect(AddFormulaButton, &QToolButton::clicked, this, &TExtractionWindow::AddFormulaClicked);
    connect(DeleteFormulaButton, &QToolButton::clicked, this,
            &TExtractionWindow::DeleteFormulaClicked);
    connect(ClearListButton, &QToolButton::clicked, this, &TExtractionWindow::ClearListClicked);
    connect(PreviousButton, &QToolButton::clicked, this, &TExtractionWindow::PreviousClicked);
    connect(NextButton, &QToolButton::clicked, this, &TExtractionWindow::NextClicked);
    connect(OkButton, &QToolButton::clicked, this, &TExtractionWindow::OkClicked);
    connect(CancelButton, &QToolButton::clicked, this, &TExtractionWindow::CancelClicked);
}

void TExtractionWindow::HighlightButton(QToolButton* hovered)
{
    for (QToolButton* button : HighlightButtons) {
        SetCaptionColour(button, button == hovered ? Qt::red : Qt::black);
    }
}
