#include "ui/auxiliary/undo_history_form.h"

#include "settings/registry.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"

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
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setAutoRaise(true);
    button->setMinimumWidth(90);
    return button;
}

} // namespace

TUndoHistoryForm::TUndoHistoryForm(const std::string& journalFolder, QWidget* parent)
    : THidingWindow(QStringLiteral("UndoHistoryForm"), tr("Undo history"), parent),
      JournalFolder(journalFolder)
{
    Batch_List = new QTreeWidget(this);
    Batch_List->setObjectName(QStringLiteral("Batch_List"));
    Batch_List->setHeaderLabels({tr("Batch"), tr("Time"), tr("Files"), tr("Folder")});
    Batch_List->setRootIsDecorated(false);
    Batch_List->setUniformRowHeights(true);
    Batch_List->setSelectionMode(QAbstractItemView::SingleSelection);
    Batch_List->header()->setStretchLastSection(true);
    Undo_SB = FlatButton(this, "Undo_SB", tr("&Undo"));
    Close_SB = FlatButton(this, "Close_SB", tr("&Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Undo_SB);
    buttons->addWidget(Close_SB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Batch_List, 1);
    layout->addLayout(buttons);
    new TButtonHighlight({Undo_SB, Close_SB}, {this}, this);
    resize(620, 300);

    connect(Batch_List, &QTreeWidget::itemSelectionChanged, this,
            &TUndoHistoryForm::SelectionChanged);
    connect(Batch_List, &QTreeWidget::itemDoubleClicked, this, &TUndoHistoryForm::Undo_SBClick);
    connect(Undo_SB, &QToolButton::clicked, this, &TUndoHistoryForm::Undo_SBClick);
    connect(Close_SB, &QToolButton::clicked, this, &QWidget::close);

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = QStringLiteral("UndoHistoryForm");
    FormInfo->Loaded();
}

void TUndoHistoryForm::Reload()
{
    // the batch the user chose stays chosen while it can still be undone
    const int current = Batch_List->indexOfTopLevelItem(Batch_List->currentItem());
    const int kept = current >= 0 ? History[static_cast<std::size_t>(current)].Number : 0;
    History = UndoHistory(JournalFolder);
    const QSignalBlocker quiet(Batch_List);
    Batch_List->clear();
    int chosen = -1;
    for (std::size_t i = 0; i < History.size(); ++i) {
        const TUndoHistoryEntry& batch = History[i];
        auto* row = new QTreeWidgetItem(Batch_List);
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
        Batch_List->resizeColumnToContents(column);
    }
    if (chosen >= 0) {
        Batch_List->setCurrentItem(Batch_List->topLevelItem(chosen));
    }
    SelectionChanged();
}

void TUndoHistoryForm::SelectionChanged()
{
    const int row = Batch_List->indexOfTopLevelItem(Batch_List->currentItem());
    const bool selected = !Batch_List->selectedItems().isEmpty();
    Undo_SB->setEnabled(selected && row >= 0 && History[static_cast<std::size_t>(row)].Undoable);
}

void TUndoHistoryForm::Undo_SBClick()
{
    const int row = Batch_List->indexOfTopLevelItem(Batch_List->currentItem());
    if (row < 0 || !History[static_cast<std::size_t>(row)].Undoable) {
        return;
    }
    // the main window asks first, undoes and lists the folder anew before this returns
    emit UndoRequested(History[static_cast<std::size_t>(row)].Number);
    Reload();
}

void TUndoHistoryForm::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        Reload();
    }
}

void TUndoHistoryForm::changeEvent(QEvent* event)
{
    THidingWindow::changeEvent(event);
    // a batch run from another window meanwhile shows up when the user comes back
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Reload();
    }
}

void TUndoHistoryForm::closeEvent(QCloseEvent* event)
{
    THidingWindow::closeEvent(event);
    FormInfo->Save();
}
