#include "ui/components/named.h"
#include "ui/components/panel.h"
#include "ui/main/command_strip.h"
#include "ui/main/file_list_menu.h"
#include "ui/main/file_list_model.h"
#include "ui/main/help_column.h"
#include "ui/main/main_window.h"
#include "ui/main/scan_mode_bar.h"
#include "ui/main/stream_info_panel.h"
#include "ui/main/tag_boxes.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStyle>
#include <QVBoxLayout>

// How the main window's parts sit: the tool strip on top, the help column, the file list and the
// tag column side by side, and the command strip at the bottom.

namespace {

constexpr int MinimumWidth = 600;
constexpr int MinimumHeight = 530;
constexpr int TagColumnWidth = 340; // the tag boxes and the ID3v2 column beside them

} // namespace

void TMainWindow::BuildControls()
{
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(940, 640);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    Tools = new TToolStrip(this);
    root->addWidget(Tools);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(2, 2, 2, 2);
    middle->setSpacing(4);
    Help = Named(new THelpColumn(this), "HelpColumn");
    middle->addWidget(Help);
    middle->addWidget(BuildListColumn(), 3);

    auto* tagColumn = new QWidget(this);
    tagColumn->setMinimumWidth(TagColumnWidth);
    tagColumn->setMaximumWidth(TagColumnWidth * 2);
    auto* tagLayout = new QVBoxLayout(tagColumn);
    tagLayout->setContentsMargins(0, 0, 0, 0);
    tagLayout->setSpacing(4);
    Tags = new TTagBoxes(tagColumn);
    StreamInfo = Named(new TStreamInfoPanel(tagColumn), "StreamInfoPanel");
    tagLayout->addWidget(Tags);
    tagLayout->addWidget(StreamInfo);
    tagLayout->addStretch(1);
    middle->addWidget(tagColumn, 1);
    root->addLayout(middle, 1);

    Commands = new TCommandStrip(this);
    root->addWidget(Commands);

    // moving over these panels draws every command button black again
    for (QWidget* panel :
         {static_cast<QWidget*>(Tags), static_cast<QWidget*>(StreamInfo),
          static_cast<QWidget*>(ScanBar), findChild<QWidget*>(QStringLiteral("ShowHintsPanel")),
          static_cast<QWidget*>(this)}) {
        panel->installEventFilter(this);
    }
}

QWidget* TMainWindow::BuildListColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    ScanBar = Named(new TScanModeBar(column), "ScanModeBar");
    layout->addWidget(ScanBar);

    auto* listPanel = Named(new TPanel(column), "ListPanel");
    listPanel->setFrameShadow(QFrame::Sunken);
    listPanel->SetCaption(tr("*** HIDDEN ***"));
    auto* lists = new QVBoxLayout(listPanel);
    lists->setContentsMargins(0, 0, 0, 0);
    FileList = Named(new QListView(listPanel), "FileList");
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
    lists->addWidget(FileList);
    layout->addWidget(listPanel, 1);

    ListMenu = new TFileListMenu(this);

    WholePathPanel = Named(new TPanel(column), "WholePathPanel");
    WholePathPanel->SetCaption(tr(" Apply To Whole &Path ..."));
    WholePathPanel->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    WholePathPanel->SetIndent(20);
    WholePathPanel->setFixedHeight(24);
    auto* whole = new QHBoxLayout(WholePathPanel);
    whole->setContentsMargins(6, 2, 6, 2);
    WholePathBox = Named(new QCheckBox(tr("&P"), WholePathPanel), "WholePathBox");
    // the caption only carries the accelerator; a style sheet would hide the mark with it
    QPalette colours = WholePathBox->palette();
    colours.setColor(QPalette::WindowText, Qt::transparent);
    WholePathBox->setPalette(colours);
    // only the mark itself: a click on the panel's caption is a click on the panel
    WholePathBox->setFixedWidth(WholePathBox->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2);
    whole->addWidget(WholePathBox);
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
    countRow->addWidget(WholePathPanel, 1);
    countRow->addWidget(FileCounter);
    layout->addLayout(countRow);

    ErrorNotice = Named(new TPanel(column), "ErrorNotice");
    ErrorNotice->setFrameShadow(QFrame::Sunken);
    ErrorNotice->setFixedHeight(22);
    ErrorNotice->SetCaptionColour(QColor(0xC0, 0x00, 0x00));
    ErrorNotice->setFont(bold);
    layout->addWidget(ErrorNotice);
    return column;
}

void TMainWindow::ArrangeControls()
{
    // Layouts place the controls; this keeps the window's lower bound.
    if (width() < MinimumWidth) {
        resize(MinimumWidth, height());
        return;
    }
    if (height() < MinimumHeight) {
        resize(width(), MinimumHeight);
    }
}

void TMainWindow::ResetButtonColours()
{
    Commands->ResetButtonColours();
}
