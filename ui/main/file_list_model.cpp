#include "ui/main/file_list_model.h"

#include "ui/components/display_path.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <climits>

TFileListModel::TFileListModel(const TFileList& files, QObject* parent)
    : QAbstractListModel(parent), Files(files)
{
}

int TFileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Shown;
}

QVariant TFileListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Shown) {
        return {};
    }
    return DisplayPath(std::string(Files.Name(static_cast<std::size_t>(index.row()))));
}

void TFileListModel::Publish()
{
    // a view counts its rows in int
    const int listed = static_cast<int>(std::min<std::size_t>(Files.Size(), INT_MAX));
    if (listed < Shown) {
        Reset();
    }
    if (listed == Shown) {
        return;
    }
    beginInsertRows(QModelIndex(), Shown, listed - 1);
    Shown = listed;
    endInsertRows();
}

void TFileListModel::Reset()
{
    beginResetModel();
    Shown = 0;
    endResetModel();
}
