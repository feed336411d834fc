#include "ui/components/browse_directory_dlg.h"

#include "ui/components/prompts.h"

#include <QDir>
#include <QFileInfo>

TBrowseDirectoryDlg::TBrowseDirectoryDlg(TPrompts& prompts, QWidget* owner)
    : Prompts(prompts), Owner(owner)
{
}

QString TBrowseDirectoryDlg::DrivesRoot()
{
    return QDir::homePath();
}

QString TBrowseDirectoryDlg::StartFolder() const
{
    if (Selection.isEmpty()) {
        return Root;
    }
    // a folder picked last time may have been removed or renamed since: open at what is left
    // of it, but never at the bare file-system root when the folder itself is long gone
    QString folder = QDir::cleanPath(QDir(Root).absoluteFilePath(Selection));
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder || parent == QDir::rootPath()) {
            return Root;
        }
        folder = parent;
    }
    return folder;
}

QString TBrowseDirectoryDlg::PickerTitle() const
{
    if (Caption.isEmpty()) {
        return Title;
    }
    if (Title.isEmpty()) {
        return Caption;
    }
    return Caption + " - " + Title;
}

bool TBrowseDirectoryDlg::Execute()
{
    const std::optional<QString> folder =
        Prompts.PickFolder(Owner, PickerTitle(), Root, StartFolder());
    if (!folder || folder->isEmpty()) {
        return false;
    }
    Selection = QDir::cleanPath(*folder);
    return true;
}
