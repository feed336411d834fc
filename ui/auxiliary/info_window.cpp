#include "ui/auxiliary/info_window.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

TInfoWindow::TInfoWindow(const QString& name, const QString& caption, QSize size, bool onTop,
                         QWidget* parent)
    : THidingWindow(name, caption, parent)
{
    setFixedSize(size);
    if (onTop) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
}

void TInfoWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (Placed) {
        return;
    }
    Placed = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = frameGeometry();
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

QFont FixedPitchFont(int pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    return font;
}
