#include "ui/components/qt_prompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

bool TQtPrompts::Confirm(QWidget* parent, const QString& caption, const QString& text)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TQtPrompts::AskYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void TQtPrompts::Inform(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

std::optional<QString> TQtPrompts::PickFolder(QWidget* parent, const QString& title,
                                              const QString& root, const QString& start)
{
    QFileDialog dialog(parent, title, start.isEmpty() ? root : start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (!root.isEmpty()) {
        // the side bar offers the root as the way back to the top of the tree
        QList<QUrl> places = dialog.sidebarUrls();
        const QUrl rootUrl = QUrl::fromLocalFile(root);
        if (!places.contains(rootUrl)) {
            places.prepend(rootUrl);
        }
        dialog.setSidebarUrls(places);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

bool TQtPrompts::OpenUrl(const QString& url)
{
    // a plain path is a local file; anything with a scheme (mailto:, http:) goes as it stands
    const QUrl target = url.startsWith('/') ? QUrl::fromLocalFile(url) : QUrl(url);
    return QDesktopServices::openUrl(target);
}

std::optional<QString> TQtPrompts::PickFileToOpen(QWidget* parent, const QStringList& filters,
                                                  int selected)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // the descriptions name their patterns already
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(filters);
    if (selected >= 0 && selected < filters.size()) {
        dialog.selectNameFilter(filters[selected]);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}
