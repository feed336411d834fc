#include "ui/main/file_list_menu.h"

#include "ui/components/display_path.h"

#include <QAction>

namespace {

QAction* NamedItem(QAction* item, const QString& name)
{
    item->setObjectName(name);
    return item;
}

} // namespace

TFileListMenu::TFileListMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("FileListMenu"));
    for (std::size_t i = 0; i < RecentItems.size(); ++i) {
        RecentItems[i] = NamedItem(addAction(QString::fromLatin1(NoRecentPath.data())),
                                   QStringLiteral("RecentFolderItem%1").arg(i + 1));
        connect(RecentItems[i], &QAction::triggered, this,
                [this, i] { emit RecentFolderChosen(static_cast<int>(i)); });
    }
    addSeparator();
    OpenItem = NamedItem(addAction(tr("&Open")), QStringLiteral("OpenItem"));
    addSeparator();
    CopyId3v2Item =
        NamedItem(addAction(tr("Copy ID3v&2 to ID3v1")), QStringLiteral("CopyId3v2Item"));
    // the accelerator names the tag copied from, as in the entry above
    CopyId3v1Item =
        NamedItem(addAction(tr("Copy ID3v&1 to ID3v2")), QStringLiteral("CopyId3v1Item"));
    UndoLastBatchItem =
        NamedItem(addAction(tr("&Undo last batch")), QStringLiteral("UndoLastBatchItem"));
    UndoHistoryItem =
        NamedItem(addAction(tr("Undo &history ...")), QStringLiteral("UndoHistoryItem"));
    connect(OpenItem, &QAction::triggered, this, &TFileListMenu::OpenChosen);
    connect(CopyId3v2Item, &QAction::triggered, this, &TFileListMenu::CopyId3v2Chosen);
    connect(CopyId3v1Item, &QAction::triggered, this, &TFileListMenu::CopyId3v1Chosen);
    connect(UndoLastBatchItem, &QAction::triggered, this, &TFileListMenu::UndoLastBatchChosen);
    connect(UndoHistoryItem, &QAction::triggered, this, &TFileListMenu::UndoHistoryChosen);
}

void TFileListMenu::ShowRecentPaths(const TRecentPaths& paths)
{
    for (std::size_t i = 0; i < RecentItems.size(); ++i) {
        // "&" in a folder name is a letter here, not an accelerator
        QString caption = DisplayPath(paths[i]);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        RecentItems[i]->setText(caption);
    }
}

void TFileListMenu::SetCommandsEnabled(bool enabled)
{
    OpenItem->setEnabled(enabled);
    CopyId3v2Item->setEnabled(enabled);
    CopyId3v1Item->setEnabled(enabled);
    for (QAction* item : RecentItems) {
        item->setEnabled(enabled);
    }
}

void TFileListMenu::ShowUndoEntry(const QString& summary, bool idle)
{
    UndoLastBatchItem->setText(summary.isEmpty() ? tr("&Undo last batch")
                                                 : tr("&Undo last batch (%1)").arg(summary));
    UndoLastBatchItem->setEnabled(!summary.isEmpty() && idle);
    UndoHistoryItem->setEnabled(idle);
}
