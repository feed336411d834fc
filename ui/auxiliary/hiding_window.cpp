#include "ui/auxiliary/hiding_window.h"

#include <QCloseEvent>

THidingWindow::THidingWindow(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(caption);
}

void THidingWindow::ShowWindow()
{
    show();
    raise();
    activateWindow();
}

void THidingWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
