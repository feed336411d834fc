#include "ui/auxiliary/button_highlight.h"
#include "ui/components/panel.h"
#include "ui/main/main_form.h"
#include "ui/main/tool_icons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int MinimumWidth = 600;
constexpr int MinimumHeight = 530;
constexpr int HelpExpandedWidth = 105;
constexpr int HelpCollapsedWidth = 25;
constexpr int TagColumnWidth = 292;

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

// A black panel that shows a path or a preview in light text.
void MakeBlack(QFrame* panel, const QColor& text)
{
    panel->setAutoFillBackground(true);
    SetColour(panel, QPalette::Window, Qt::black);
    SetColour(panel, QPalette::WindowText, text);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    if (auto* label = qobject_cast<QLabel*>(panel)) {
        label->setMargin(2);
    }
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QIcon& icon)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setFixedSize(28, 28);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* CommandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(30);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QLabel* ValuePanel(QWidget* parent, const char* name)
{
    auto* panel = Named(new QLabel(parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel->setMinimumHeight(19);
    return panel;
}

} // namespace

void T_MainForm::BuildControls()
{
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(860, 640);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(BuildTopStrip());

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(2, 2, 2, 2);
    middle->setSpacing(4);
    middle->addWidget(BuildHelpColumn());
    middle->addWidget(BuildListColumn(), 3);
    middle->addWidget(BuildTagColumn(), 1);
    root->addLayout(middle, 1);
    root->addWidget(BuildBottomStrip());

    // moving over these panels draws every command button black again
    for (const char* name : {"Panel3", "Panel7", "Panel231", "Panel4"}) {
        findChild<QWidget*>(QLatin1String(name))->installEventFilter(this);
    }
    installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
}

QWidget* T_MainForm::BuildTopStrip()
{
    auto* strip = Named(new QFrame(this), "Panel1");
    strip->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    Credits_Label = Named(new QLabel(strip), "Credits_Label");
    Credits_Label->setText(
        QStringLiteral("<b>Cantrel v3.1.7</b> &nbsp;&middot;&nbsp; Velmor Group"));
    buttons->addWidget(Credits_Label, 1);
    const QStyle* look = style();
    Open_SB = ToolButton(strip, "Open_SB", look->standardIcon(QStyle::SP_DirOpenIcon));
    Settings_SB = ToolButton(strip, "Settings_SB", ToolIcon(TToolIcon::Settings));
    Keys_SB = ToolButton(strip, "Keys_SB", ToolIcon(TToolIcon::Keys));
    ShowErrors_SB =
        ToolButton(strip, "ShowErrors_SB", look->standardIcon(QStyle::SP_MessageBoxWarning));
    Help_Macros_SB = ToolButton(strip, "Help_Macros_SB", ToolIcon(TToolIcon::Help));
    About_SB = ToolButton(strip, "About_SB", look->standardIcon(QStyle::SP_MessageBoxInformation));
    Mail_SB = ToolButton(strip, "Mail_SB", ToolIcon(TToolIcon::Mail));
    Web_SB = ToolButton(strip, "Web_SB", ToolIcon(TToolIcon::Web));
    for (QToolButton* button : {Open_SB, Settings_SB, Keys_SB, ShowErrors_SB, Help_Macros_SB,
                                About_SB, Mail_SB, Web_SB}) {
        buttons->addWidget(button);
    }
    buttons->addSpacing(6);
    layout->addLayout(buttons);

    auto* paths = new QHBoxLayout;
    paths->setSpacing(4);
    Panel8 = Named(new QLabel(strip), "Panel8");
    Panel20 = Named(new QLabel(strip), "Panel20");
    MakeBlack(Panel8, QColor(0xE8, 0xE8, 0xE8));
    MakeBlack(Panel20, QColor(0xFF, 0xE0, 0x60));
    for (QLabel* panel : {Panel8, Panel20}) {
        panel->setMinimumWidth(10);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    paths->addWidget(Named(new QLabel(QStringLiteral("Path :"), strip), "Label8"));
    paths->addWidget(Panel8, 3);
    paths->addSpacing(4);
    paths->addWidget(Named(new QLabel(QStringLiteral("File :"), strip), "Label9"));
    paths->addWidget(Panel20, 2);
    layout->addLayout(paths);
    return strip;
}

QWidget* T_MainForm::BuildHelpColumn()
{
    Panel2 = Named(new TPanel(this), "Panel2");
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setFixedWidth(HelpExpandedWidth);
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    SpeedButton1 = Named(new QToolButton(Panel2), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("&<"));
    SpeedButton1->setToolTip(QStringLiteral("Extended Info"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFixedSize(19, 19);
    layout->addWidget(SpeedButton1, 0, Qt::AlignRight);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(std::max(6.0, font().pointSizeF() - 3.0));
    QFont heading = font();
    heading.setPointSizeF(std::max(6.5, font().pointSizeF() - 2.0));
    heading.setBold(true);
    Label16 = Named(new QLabel(Panel2), "Label16");
    Label13 = Named(new QLabel(Panel2), "Label13");
    Label17 = Named(new QLabel(Panel2), "Label17");
    Label18 = Named(new QLabel(Panel2), "Label18");
    Label14 = Named(new QLabel(QStringLiteral("Template Files:"), Panel2), "Label14");
    Label19 = Named(new QLabel(Panel2), "Label19");
    for (QLabel* label : {Label16, Label17, Label14}) {
        label->setFont(heading);
    }
    for (QLabel* label : {Label13, Label18, Label19}) {
        label->setFont(fixed);
    }
    for (QLabel* label : {Label16, Label13, Label17, Label18, Label14, Label19}) {
        layout->addWidget(label);
    }
    layout->addStretch(1);

    Panel4 = Named(new TPanel(Panel2), "Panel4");
    Panel4->setFixedHeight(42);
    Panel4->SetAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    Panel4->setToolTip(QStringLiteral("Show Hint"));
    auto* hintLayout = new QVBoxLayout(Panel4);
    hintLayout->setContentsMargins(2, 2, 2, 2);
    CheckBox1 = Named(new QCheckBox(QStringLiteral("&I"), Panel4), "CheckBox1");
    CheckBox1->setChecked(true);
    hintLayout->addWidget(CheckBox1, 0, Qt::AlignHCenter | Qt::AlignTop);
    hintLayout->addStretch(1);
    layout->addWidget(Panel4);
    return Panel2;
}

QWidget* T_MainForm::BuildListColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    Panel231 = Named(new TPanel(column), "Panel231");
    Panel231->setFixedHeight(24);
    auto* bar = new QHBoxLayout(Panel231);
    bar->setContentsMargins(3, 2, 3, 2);
    bar->setSpacing(4);
    Panel26 = Named(new TPanel(Panel231), "Panel26");
    Panel26->setFixedSize(16, 16);
    Panel26->setAutoFillBackground(true);
    Panel23 = Named(new TPanel(Panel231), "Panel23");
    Panel23->SetCaption(QStringLiteral("Normal Scan - &U"));
    Recursive_CB = Named(new QCheckBox(Panel231), "Recursive_CB");
    Recursive_CB->hide();
    bar->addWidget(Panel26);
    bar->addWidget(Panel23, 1);
    layout->addWidget(Panel231);

    Panel6 = Named(new TPanel(column), "Panel6");
    Panel6->setFrameShadow(QFrame::Sunken);
    Panel6->SetCaption(QStringLiteral("*** HIDDEN ***"));
    auto* lists = new QGridLayout(Panel6);
    lists->setContentsMargins(0, 0, 0, 0);
    ListBox1 = Named(new QListWidget(Panel6), "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setAlternatingRowColors(true);
    ListBox1->setLayoutMode(QListView::Batched); // a growing list is laid out bit by bit
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBox1->setMouseTracking(true);
    ListBox1->viewport()->installEventFilter(this);
    ListBox1->installEventFilter(this);
    FileListBox2 = Named(new QListWidget(Panel6), "FileListBox2");
    FileListBox2->hide();
    lists->addWidget(ListBox1, 0, 0);
    layout->addWidget(Panel6, 1);

    RecentParhs_PM = Named(new QMenu(this), "RecentParhs_PM");
    for (std::size_t i = 0; i < RecentItems.size(); ++i) {
        RecentItems[i] = RecentParhs_PM->addAction(QString::fromLatin1(NoRecentPath.data()));
        RecentItems[i]->setObjectName(QStringLiteral("C%1").arg(i + 1));
    }
    RecentParhs_PM->addSeparator();
    Open1 = RecentParhs_PM->addAction(QStringLiteral("&Open"));
    Open1->setObjectName(QStringLiteral("Open1"));
    RecentParhs_PM->addSeparator();
    CopyId3v2 = RecentParhs_PM->addAction(QStringLiteral("Copy ID3v&2 to ID3v1"));
    CopyId3v2->setObjectName(QStringLiteral("CopyId3v2"));
    UndoLastBatch1 = RecentParhs_PM->addAction(QStringLiteral("&Undo last batch"));
    UndoLastBatch1->setObjectName(QStringLiteral("UndoLastBatch1"));
    UndoHistory1 = RecentParhs_PM->addAction(QStringLiteral("Undo &history ..."));
    UndoHistory1->setObjectName(QStringLiteral("UndoHistory1"));

    Panel29 = Named(new TPanel(column), "Panel29");
    Panel29->SetCaption(QStringLiteral(" Apply To Whole &Path ..."));
    Panel29->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel29->SetIndent(20);
    Panel29->setFixedHeight(24);
    auto* whole = new QHBoxLayout(Panel29);
    whole->setContentsMargins(6, 2, 6, 2);
    All_CB = Named(new QCheckBox(QStringLiteral("&P"), Panel29), "All_CB");
    // the caption only carries the accelerator; a style sheet would hide the mark with it
    SetColour(All_CB, QPalette::WindowText, Qt::transparent);
    // only the mark itself: a click on the panel's caption is a click on the panel
    All_CB->setFixedWidth(All_CB->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2);
    whole->addWidget(All_CB);
    whole->addStretch(1);

    Panel25 = Named(new QLabel(column), "Panel25");
    Panel25->setFrameShape(QFrame::Panel);
    Panel25->setFrameShadow(QFrame::Sunken);
    Panel25->setAlignment(Qt::AlignCenter);
    Panel25->setFixedSize(110, 24);
    QFont bold = Panel25->font();
    bold.setBold(true);
    Panel25->setFont(bold);
    auto* countRow = new QHBoxLayout;
    countRow->setSpacing(2);
    countRow->addWidget(Panel29, 1);
    countRow->addWidget(Panel25);
    layout->addLayout(countRow);

    ErrorPanel = Named(new TPanel(column), "ErrorPanel");
    ErrorPanel->setFrameShadow(QFrame::Sunken);
    ErrorPanel->setFixedHeight(22);
    ErrorPanel->SetCaptionColour(QColor(0xC0, 0x00, 0x00));
    ErrorPanel->setFont(bold);
    layout->addWidget(ErrorPanel);
    return column;
}

QWidget* T_MainForm::BuildTagColumn()
{
    auto* column = new QWidget(this);
    column->setMinimumWidth(TagColumnWidth);
    column->setMaximumWidth(TagColumnWidth * 3 / 2);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* tags = Named(new TPanel(column), "Panel3");
    tags->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(tags);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const char* boxNames[] = {"TitleEdit", "ArtistEdit", "AlbumEdit", "YearEdit", "CommentEdit"};
    const int limits[] = {30, 30, 30, 4, 30};
    for (std::size_t i = 0; i < TextBoxes.size(); ++i) {
        auto* box = Named(new QComboBox(tags), boxNames[i]);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(limits[i]);
        // the box hands its keys to its line edit directly, past any filter there
        box->installEventFilter(this);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        TextBoxes[i] = box;
    }
    TitleEdit = TextBoxes[0];
    ArtistEdit = TextBoxes[1];
    AlbumEdit = TextBoxes[2];
    YearEdit = TextBoxes[3];
    CommentEdit = TextBoxes[4];
    YearEdit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    YearEdit->setMinimumWidth(70);
    Genre_CB = Named(new QComboBox(tags), "Genre_CB");
    Genre_CB->setEditable(true);
    Genre_CB->setInsertPolicy(QComboBox::NoInsert);
    Genre_CB->setMaxVisibleItems(20);
    Genre_CB->installEventFilter(this);
    Track_ME = Named(new QLineEdit(tags), "Track_ME");
    Track_ME->setInputMask(QStringLiteral("00;_"));
    Track_ME->setFixedWidth(40);

    const char* labels[] = {"&Title",   "&Artist", "Al&bum",   "&Year",
                            "&Comment", "&Genre",  "Track N&r"};
    QWidget* boxes[] = {TitleEdit,   ArtistEdit, AlbumEdit, YearEdit,
                        CommentEdit, Genre_CB,   Track_ME};
    for (int i = 0; i < FieldCount; ++i) {
        FieldChecks[i] = new QCheckBox(tags);
        FieldChecks[i]->setObjectName(QStringLiteral("CheckBox_0%1").arg(i + 1));
        FieldChecks[i]->setChecked(true);
        FieldChecks[i]->setFocusPolicy(Qt::NoFocus);
        auto* label = new QLabel(QString::fromLatin1(labels[i]), tags);
        label->setObjectName(QStringLiteral("TagLabel_%1").arg(i + 1));
        label->setBuddy(boxes[i]);
        grid->addWidget(FieldChecks[i], i, 0);
        grid->addWidget(label, i, 1);
        const bool narrow = boxes[i] == YearEdit || boxes[i] == Track_ME;
        grid->addWidget(boxes[i], i, 2, narrow ? Qt::AlignLeft : Qt::Alignment());
        boxes[i]->setAutoFillBackground(true);
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(tags);

    auto* data = Named(new TPanel(column), "Panel7");
    data->setFrameShadow(QFrame::Sunken);
    auto* dataGrid = new QGridLayout(data);
    dataGrid->setContentsMargins(4, 4, 4, 4);
    dataGrid->setHorizontalSpacing(6);
    dataGrid->setVerticalSpacing(2);
    Panel15 = ValuePanel(data, "Panel15");
    Panel16 = ValuePanel(data, "Panel16");
    Panel17 = ValuePanel(data, "Panel17");
    Panel18 = ValuePanel(data, "Panel18");
    Panel28 = ValuePanel(data, "Panel28");
    Panel31 = ValuePanel(data, "Panel31");
    Panel32 = ValuePanel(data, "Panel32");
    const std::pair<const char*, QLabel*> rows[] = {
        {"Duration Time\n( hh : mm . ss )", Panel15},
        {"File Size", Panel16},
        {"Version", Panel17},
        {"Mode", Panel18},
        {"Bit Rate", Panel28},
        {"Sample Rate", Panel31},
        {"Frame Length", Panel32},
    };
    int row = 0;
    for (const auto& [caption, panel] : rows) {
        dataGrid->addWidget(new QLabel(QString::fromLatin1(caption), data), row, 0);
        dataGrid->addWidget(panel, row, 1);
        ++row;
    }
    dataGrid->setColumnStretch(1, 1);
    layout->addWidget(data);

    layout->addStretch(1);
    return column;
}

QWidget* T_MainForm::BuildBottomStrip()
{
    auto* strip = Named(new TPanel(this), "Panel9");
    strip->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(3);

    auto* macroRow = new QHBoxLayout;
    macroRow->setSpacing(4);
    Edit6 = Named(new QLineEdit(strip), "Edit6");
    Macro_SB = CommandButton(strip, "Macro_SB", QStringLiteral("&Macro"));
    Macro_SB->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Macro_SB->setMinimumHeight(24);
    Macro_SB->setFixedWidth(70);
    NrOfChars_Panel = Named(new QLabel(strip), "NrOfChars_Panel");
    NrOfChars_Panel->setFrameShape(QFrame::Panel);
    NrOfChars_Panel->setFrameShadow(QFrame::Sunken);
    NrOfChars_Panel->setAlignment(Qt::AlignCenter);
    NrOfChars_Panel->setFixedWidth(40);
    macroRow->addWidget(Edit6, 1);
    macroRow->addWidget(Macro_SB);
    macroRow->addWidget(NrOfChars_Panel);
    layout->addLayout(macroRow);

    Panel5 = Named(new TPanel(strip), "Panel5");
    MakeBlack(Panel5, QColor(0x70, 0xFF, 0x70));
    auto* preview = new QHBoxLayout(Panel5);
    preview->setContentsMargins(4, 2, 4, 2);
    Label15 = Named(new QLabel(Panel5), "Label15");
    Label15->setAlignment(Qt::AlignCenter);
    Label15->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    SetColour(Label15, QPalette::WindowText, QColor(0x70, 0xFF, 0x70));
    preview->addWidget(Label15);
    Panel5->setFixedHeight(24);
    layout->addWidget(Panel5);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(0);
    ClearTags_SB = CommandButton(strip, "ClearTags_SB", QStringLiteral("C&lear Tags"));
    Write_Tag_SB = CommandButton(strip, "Write_Tag_SB", QStringLiteral("  &Write ID3 Tag"));
    SetFileName_SB = CommandButton(strip, "SetFileName_SB", QStringLiteral("  &Set File Name"));
    Change_Tag_SB = CommandButton(strip, "Change_Tag_SB", QStringLiteral("  &Name to ID3"));
    Html_SB = CommandButton(strip, "Html_SB", QStringLiteral("&HTML"));
    HighlightButtons = {Write_Tag_SB, SetFileName_SB, Change_Tag_SB,
                        Html_SB,      Macro_SB,       ClearTags_SB};
    for (QToolButton* button :
         {ClearTags_SB, Write_Tag_SB, SetFileName_SB, Change_Tag_SB, Html_SB}) {
        commands->addWidget(button, 1);
    }
    layout->addLayout(commands);

    for (QToolButton* button : HighlightButtons) {
        button->installEventFilter(this);
    }
    for (QWidget* panel : {static_cast<QWidget*>(strip), static_cast<QWidget*>(Panel5)}) {
        panel->installEventFilter(this);
    }
    return strip;
}

void T_MainForm::ArrangeControls()
{
    // Layouts place the controls; this keeps the window's lower bound and the help column's
    // width, which the user switches.
    if (width() < MinimumWidth) {
        resize(MinimumWidth, height());
        return;
    }
    if (height() < MinimumHeight) {
        resize(width(), MinimumHeight);
    }
    Panel2->setFixedWidth(HelpPanelCollapsed ? HelpCollapsedWidth : HelpExpandedWidth);
}

void T_MainForm::ResetButtonColours()
{
    HoveredButton = QString();
    for (QToolButton* button : HighlightButtons) {
        SetCaptionColour(button, QColor(Qt::black));
    }
}

void T_MainForm::HighlightButton(const QString& name)
{
    if (name == HoveredButton) {
        return;
    }
    HoveredButton = name;
    for (QToolButton* button : HighlightButtons) {
        const QColor colour = button->objectName() == name ? QColor(Qt::red) : QColor(Qt::black);
        SetCaptionColour(button, colour);
    }
}
