#include "ui/auxiliary/button_highlight.h"
#include "ui/components/panel.h"
#include "ui/main/file_list_model.h"
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
#include <QListView>
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
    for (const char* name : {"Tags_Panel", "Data_Panel", "ScanMode_Panel", "ShowHint_Panel"}) {
        findChild<QWidget*>(QLatin1String(name))->installEventFilter(this);
    }
    installEventFilter(this);

    ScanTimer = new QTimer(this);
    ScanTimer->setObjectName(QStringLiteral("ScanTimer"));
    ScanTimer->setInterval(100);
}

QWidget* T_MainForm::BuildTopStrip()
{
    auto* strip = Named(new QFrame(this), "PathStrip_Panel");
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
    CurrentPath_Panel = Named(new QLabel(strip), "CurrentPath_Panel");
    CurrentFile_Panel = Named(new QLabel(strip), "CurrentFile_Panel");
    MakeBlack(CurrentPath_Panel, QColor(0xE8, 0xE8, 0xE8));
    MakeBlack(CurrentFile_Panel, QColor(0xFF, 0xE0, 0x60));
    for (QLabel* panel : {CurrentPath_Panel, CurrentFile_Panel}) {
        panel->setMinimumWidth(10);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    paths->addWidget(Named(new QLabel(QStringLiteral("Path :"), strip), "PathCaption_Label"));
    paths->addWidget(CurrentPath_Panel, 3);
    paths->addSpacing(4);
    paths->addWidget(Named(new QLabel(QStringLiteral("File :"), strip), "FileCaption_Label"));
    paths->addWidget(CurrentFile_Panel, 2);
    layout->addLayout(paths);
    return strip;
}

QWidget* T_MainForm::BuildHelpColumn()
{
    Help_Panel = Named(new TPanel(this), "Help_Panel");
    Help_Panel->setFrameShadow(QFrame::Sunken);
    Help_Panel->setFixedWidth(HelpExpandedWidth);
    auto* layout = new QVBoxLayout(Help_Panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    ExtendedInfo_SB = Named(new QToolButton(Help_Panel), "ExtendedInfo_SB");
    ExtendedInfo_SB->setText(QStringLiteral("&<"));
    ExtendedInfo_SB->setToolTip(QStringLiteral("Extended Info"));
    ExtendedInfo_SB->setAutoRaise(true);
    ExtendedInfo_SB->setFixedSize(19, 19);
    layout->addWidget(ExtendedInfo_SB, 0, Qt::AlignRight);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(std::max(6.0, font().pointSizeF() - 3.0));
    QFont heading = font();
    heading.setPointSizeF(std::max(6.5, font().pointSizeF() - 2.0));
    heading.setBold(true);
    TagIdTitle_Label = Named(new QLabel(Help_Panel), "TagIdTitle_Label");
    TagIdHelp_Label = Named(new QLabel(Help_Panel), "TagIdHelp_Label");
    AlignTitle_Label = Named(new QLabel(Help_Panel), "AlignTitle_Label");
    AlignHelp_Label = Named(new QLabel(Help_Panel), "AlignHelp_Label");
    TemplatesTitle_Label =
        Named(new QLabel(QStringLiteral("Template Files:"), Help_Panel), "TemplatesTitle_Label");
    TemplatesHelp_Label = Named(new QLabel(Help_Panel), "TemplatesHelp_Label");
    for (QLabel* label : {TagIdTitle_Label, AlignTitle_Label, TemplatesTitle_Label}) {
        label->setFont(heading);
    }
    for (QLabel* label : {TagIdHelp_Label, AlignHelp_Label, TemplatesHelp_Label}) {
        label->setFont(fixed);
    }
    for (QLabel* label : {TagIdTitle_Label, TagIdHelp_Label, AlignTitle_Label, AlignHelp_Label,
                          TemplatesTitle_Label, TemplatesHelp_Label}) {
        layout->addWidget(label);
    }
    layout->addStretch(1);

    ShowHint_Panel = Named(new TPanel(Help_Panel), "ShowHint_Panel");
    ShowHint_Panel->setFixedHeight(42);
    ShowHint_Panel->SetAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    ShowHint_Panel->setToolTip(QStringLiteral("Show Hint"));
    auto* hintLayout = new QVBoxLayout(ShowHint_Panel);
    hintLayout->setContentsMargins(2, 2, 2, 2);
    ShowHint_CB = Named(new QCheckBox(QStringLiteral("&I"), ShowHint_Panel), "ShowHint_CB");
    ShowHint_CB->setChecked(true);
    hintLayout->addWidget(ShowHint_CB, 0, Qt::AlignHCenter | Qt::AlignTop);
    hintLayout->addStretch(1);
    layout->addWidget(ShowHint_Panel);
    return Help_Panel;
}

QWidget* T_MainForm::BuildListColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    ScanMode_Panel = Named(new TPanel(column), "ScanMode_Panel");
    ScanMode_Panel->setFixedHeight(24);
    auto* bar = new QHBoxLayout(ScanMode_Panel);
    bar->setContentsMargins(3, 2, 3, 2);
    bar->setSpacing(4);
    ScanIndicator_Panel = Named(new TPanel(ScanMode_Panel), "ScanIndicator_Panel");
    ScanIndicator_Panel->setFixedSize(16, 16);
    ScanIndicator_Panel->setAutoFillBackground(true);
    ScanCaption_Panel = Named(new TPanel(ScanMode_Panel), "ScanCaption_Panel");
    ScanCaption_Panel->SetCaption(QStringLiteral("Normal Scan - &U"));
    Recursive_CB = Named(new QCheckBox(ScanMode_Panel), "Recursive_CB");
    Recursive_CB->hide();
    bar->addWidget(ScanIndicator_Panel);
    bar->addWidget(ScanCaption_Panel, 1);
    layout->addWidget(ScanMode_Panel);

    Lists_Panel = Named(new TPanel(column), "Lists_Panel");
    Lists_Panel->setFrameShadow(QFrame::Sunken);
    Lists_Panel->SetCaption(QStringLiteral("*** HIDDEN ***"));
    auto* lists = new QGridLayout(Lists_Panel);
    lists->setContentsMargins(0, 0, 0, 0);
    FileList = Named(new QListView(Lists_Panel), "FileList");
    FileModel = new TFileListModel(Work.Files, FileList);
    FileList->setModel(FileModel);
    FileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileList->setUniformItemSizes(true);
    FileList->setAlternatingRowColors(true);
    FileList->setLayoutMode(QListView::Batched); // a growing list is laid out bit by bit
    FileList->setContextMenuPolicy(Qt::CustomContextMenu);
    FileList->setMouseTracking(true);
    FileList->viewport()->installEventFilter(this);
    FileList->installEventFilter(this);
    lists->addWidget(FileList, 0, 0);
    layout->addWidget(Lists_Panel, 1);

    RecentPaths_PM = Named(new QMenu(this), "RecentPaths_PM");
    for (std::size_t i = 0; i < RecentItems.size(); ++i) {
        RecentItems[i] = RecentPaths_PM->addAction(QString::fromLatin1(NoRecentPath.data()));
        RecentItems[i]->setObjectName(QStringLiteral("C%1").arg(i + 1));
    }
    RecentPaths_PM->addSeparator();
    Open1 = RecentPaths_PM->addAction(QStringLiteral("&Open"));
    Open1->setObjectName(QStringLiteral("Open1"));
    RecentPaths_PM->addSeparator();
    CopyId3v2 = RecentPaths_PM->addAction(QStringLiteral("Copy ID3v&2 to ID3v1"));
    CopyId3v2->setObjectName(QStringLiteral("CopyId3v2"));
    UndoLastBatch1 = RecentPaths_PM->addAction(QStringLiteral("&Undo last batch"));
    UndoLastBatch1->setObjectName(QStringLiteral("UndoLastBatch1"));
    UndoHistory1 = RecentPaths_PM->addAction(QStringLiteral("Undo &history ..."));
    UndoHistory1->setObjectName(QStringLiteral("UndoHistory1"));

    WholePath_Panel = Named(new TPanel(column), "WholePath_Panel");
    WholePath_Panel->SetCaption(QStringLiteral(" Apply To Whole &Path ..."));
    WholePath_Panel->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    WholePath_Panel->SetIndent(20);
    WholePath_Panel->setFixedHeight(24);
    auto* whole = new QHBoxLayout(WholePath_Panel);
    whole->setContentsMargins(6, 2, 6, 2);
    All_CB = Named(new QCheckBox(QStringLiteral("&P"), WholePath_Panel), "All_CB");
    // the caption only carries the accelerator; a style sheet would hide the mark with it
    SetColour(All_CB, QPalette::WindowText, Qt::transparent);
    // only the mark itself: a click on the panel's caption is a click on the panel
    All_CB->setFixedWidth(All_CB->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2);
    whole->addWidget(All_CB);
    whole->addStretch(1);

    FileCounter = Named(new QLabel(column), "FileCounter");
    FileCounter->setFrameShape(QFrame::Panel);
    FileCounter->setFrameShadow(QFrame::Sunken);
    FileCounter->setAlignment(Qt::AlignCenter);
    FileCounter->setFixedSize(110, 24);
    QFont bold = FileCounter->font();
    bold.setBold(true);
    FileCounter->setFont(bold);
    auto* countRow = new QHBoxLayout;
    countRow->setSpacing(2);
    countRow->addWidget(WholePath_Panel, 1);
    countRow->addWidget(FileCounter);
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

    auto* tags = Named(new TPanel(column), "Tags_Panel");
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

    auto* data = Named(new TPanel(column), "Data_Panel");
    data->setFrameShadow(QFrame::Sunken);
    auto* dataGrid = new QGridLayout(data);
    dataGrid->setContentsMargins(4, 4, 4, 4);
    dataGrid->setHorizontalSpacing(6);
    dataGrid->setVerticalSpacing(2);
    Duration_Panel = ValuePanel(data, "Duration_Panel");
    FileSize_Panel = ValuePanel(data, "FileSize_Panel");
    Version_Panel = ValuePanel(data, "Version_Panel");
    Mode_Panel = ValuePanel(data, "Mode_Panel");
    BitRate_Panel = ValuePanel(data, "BitRate_Panel");
    SampleRate_Panel = ValuePanel(data, "SampleRate_Panel");
    FrameLength_Panel = ValuePanel(data, "FrameLength_Panel");
    const std::pair<const char*, QLabel*> rows[] = {
        {"Duration Time\n( hh : mm . ss )", Duration_Panel},
        {"File Size", FileSize_Panel},
        {"Version", Version_Panel},
        {"Mode", Mode_Panel},
        {"Bit Rate", BitRate_Panel},
        {"Sample Rate", SampleRate_Panel},
        {"Frame Length", FrameLength_Panel},
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
    auto* strip = Named(new TPanel(this), "MacroStrip_Panel");
    strip->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(3);

    auto* macroRow = new QHBoxLayout;
    macroRow->setSpacing(4);
    Macro_Edit = Named(new QLineEdit(strip), "Macro_Edit");
    Macro_SB = CommandButton(strip, "Macro_SB", QStringLiteral("&Macro"));
    Macro_SB->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Macro_SB->setMinimumHeight(24);
    Macro_SB->setFixedWidth(70);
    NrOfChars_Panel = Named(new QLabel(strip), "NrOfChars_Panel");
    NrOfChars_Panel->setFrameShape(QFrame::Panel);
    NrOfChars_Panel->setFrameShadow(QFrame::Sunken);
    NrOfChars_Panel->setAlignment(Qt::AlignCenter);
    NrOfChars_Panel->setFixedWidth(40);
    macroRow->addWidget(Macro_Edit, 1);
    macroRow->addWidget(Macro_SB);
    macroRow->addWidget(NrOfChars_Panel);
    layout->addLayout(macroRow);

    MacroPreview_Panel = Named(new TPanel(strip), "MacroPreview_Panel");
    MakeBlack(MacroPreview_Panel, QColor(0x70, 0xFF, 0x70));
    auto* preview = new QHBoxLayout(MacroPreview_Panel);
    preview->setContentsMargins(4, 2, 4, 2);
    MacroPreview_Label = Named(new QLabel(MacroPreview_Panel), "MacroPreview_Label");
    MacroPreview_Label->setAlignment(Qt::AlignCenter);
    MacroPreview_Label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    SetColour(MacroPreview_Label, QPalette::WindowText, QColor(0x70, 0xFF, 0x70));
    preview->addWidget(MacroPreview_Label);
    MacroPreview_Panel->setFixedHeight(24);
    layout->addWidget(MacroPreview_Panel);

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
    for (QWidget* panel :
         {static_cast<QWidget*>(strip), static_cast<QWidget*>(MacroPreview_Panel)}) {
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
    Help_Panel->setFixedWidth(HelpPanelCollapsed ? HelpCollapsedWidth : HelpExpandedWidth);
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
