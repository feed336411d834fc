#pragma once

#include "workspace/options.h"

#include <QMenu>

#include <array>

class QAction;

// The file list's right-click menu: the ten most recent folders, "Open", the copies between the
// ID3v2 and the ID3v1 tag, and the undo of the last batch or of one from the history.
class TFileListMenu : public QMenu
{
    Q_OBJECT

public:
    explicit TFileListMenu(QWidget* parent = nullptr);

    void ShowRecentPaths(const TRecentPaths& paths);
    // The entries that start a scan or a batch wait while one runs.
    void SetCommandsEnabled(bool enabled);
    // `summary` names the batch an undo would take back; empty when there is none.
    void ShowUndoEntry(const QString& summary, bool idle);

signals:
    void RecentFolderChosen(int slot);
    void OpenChosen();
    void CopyId3v2Chosen();
    void CopyId3v1Chosen();
    void UndoLastBatchChosen();
    void UndoHistoryChosen();

private:
    std::array<QAction*, RecentPathCount> RecentItems{};
    QAction* OpenItem = nullptr;
    QAction* CopyId3v2Item = nullptr;
    QAction* CopyId3v1Item = nullptr;
    QAction* UndoLastBatchItem = nullptr;
    QAction* UndoHistoryItem = nullptr;
};
