#pragma once

#include <QAbstractListModel>

class TFileList;

// The rows of the main window's file list, read straight from the workspace's list of files: one
// row per listed file, showing its name. Files found by a running scan become rows when the list
// is next drawn (Publish), not one by one, so a folder of a million files costs one insertion per
// screen update.
class TFileListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    TFileListModel(const TFileList& files, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The files added to the list since the last call become rows.
    void Publish();
    // The list was emptied: no rows, no selection.
    void Reset();

private:
    const TFileList& Files;
    int Shown = 0;
};
