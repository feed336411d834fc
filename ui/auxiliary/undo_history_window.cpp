#include "ui/auxiliary/undo_history_window.h"

#include "settings/registry.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"
#include "ui/components/named.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QToolButton* FlatButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setMinimumWidth(90);
    return button;
}

} // namespace

TUndoHistoryWindow::TUndoHistoryWindow(const std::string& journalFolder, QWidget* parent)
    : THidingWindow(QStringLiteral("UndoHistoryWindow"), tr("Undo history"), parent),
      JournalFolder(journalFolder)
{
    BatchList = Named(new QTreeWidget(this), "BatchList");
    BatchList->setHeaderLabels({tr("Batch"), tr("Time"), tr("Files"), tr("Folder")});
    BatchList->setRootIsDecorated(false);
    BatchList->setUniformRowHeights(true);
    BatchList->setSelectionMode(QAbstractItemView::SingleSelection);
    BatchList->header()->setStretchLastSection(true);
    UndoButton = FlatButton(this, "UndoButton", tr("&Undo"));
    CloseButton = FlatButton(this, "CloseButton", tr("&Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(UndoButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BatchList, 1);
    layout->addLayout(buttons);
    new TButtonHighlight({UndoButton, CloseButton}, {this}, this);
    resize(620, 300);

    connect(BatchList, &QTreeWidget::itemSelectionChanged, this,
            &TUndoHistoryWindow::SelectionChanged);
    connect(BatchList, &QTreeWidget::itemDoubleClicked, this, &TUndoHistoryWindow::UndoClicked);
    connect(UndoButton, &QToolButton::clicked, this, &TUndoHistoryWindow::UndoClicked);
    connect(CloseButton, &QToolButton::clicked, this, &QWidget::close);

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = UndoHistoryWindowSection;
    FormInfo->Loaded();
}

void TUndoHistoryWindow::Reload()
{
    // the batch the user chose stays chosen while it can still be undone
    const int current = BatchList->indexOfTopLevelItem(BatchList->currentItem());
    const int kept = current >= 0 ? History[static_cast<std::size_t>(current)].Number : 0;
    History = UndoHistory(JournalFolder);
    const QSignalBlocker quiet(BatchList);
    BatchList->clear();
    int chosen = -1;
    for (std::size_t i = 0; i < History.size(); ++i) {
        const TUndoHistoryEntry& batch = History[i];
        auto* row = new QTreeWidgetItem(BatchList);
        row->setText(0, DisplayPath(batch.Kind));
        row->setText(1, QDateTime::fromSecsSinceEpoch(batch.Time)
                            .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        row->setText(2, QString::number(batch.Files));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(3, DisplayPath(batch.Folder));
        row->setToolTip(3, row->text(3));
        if (!batch.Undoable) {
            row->setForeground(0, palette().color(QPalette::Disabled, QPalette::Text));
        } else if (chosen < 0 || batch.Number == kept) {
            chosen = static_cast<int>(i);
        }
    }
    for (int column = 0; column < 3; ++column) {
        BatchList->resizeColumnToContents(column);
    }
    if (chosen >= 0) {
        BatchList->setCurrentItem(BatchList->topLevelItem(chosen));
    }
    SelectionChanged();
}

void TUndoHistoryWindow::SelectionChanged()
{
    const int row = BatchList->indexOfTopLevelItem(BatchList->currentItem());
    const bool selected = !BatchList->selectedItems().isEmpty();
    UndoButton->setEnabled(selected && row >= 0 && History[static_cast<std::size_t>(row)].Undoable);
}

void TUndoHistoryWindow::UndoClicked()
{
    const int row = BatchList->indexOfTopLevelItem(BatchList->currentItem());
    if (row < 0 || !History[static_cast<std::size_t>(row)].Undoable) {
        return;
    }
    // the main window asks first, undoes and lists the folder anew before this returns
    emit UndoRequested(History[static_cast<std::size_t>(row)].Number);
    Reload();
}

void TUndoHistoryWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        Reload();
    }
}

void TUndoHistoryWindow::changeEvent(QEvent* event)
{
    THidingWindow::changeEvent(event);
    // a batch run from another window meanwhile shows up when the user comes back
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Reload();
    }
}

void TUndoHistoryWindow::closeEvent(QCloseEvent* event)
{
    THidingWindow::closeEvent(event);
    FormInfo->Save();
}
