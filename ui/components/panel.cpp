#include "ui/components/panel.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
}

void TPanel::SetCaption(const QString& caption)
{
    if (caption != CaptionText) {
        CaptionText = caption;
        updateGeometry();
        update();
    }
}

void TPanel::SetCaptionColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void TPanel::SetAlignment(Qt::Alignment alignment)
{
    CaptionAlignment = alignment;
    update();
}

void TPanel::SetIndent(int pixels)
{
    Indent = pixels;
    update();
}

QSize TPanel::sizeHint() const
{
    if (layout() != nullptr) {
        return QFrame::sizeHint();
    }
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, CaptionText);
    const int frame = 2 * frameWidth() + 8;
    return {text.width() + frame + Indent, text.height() + frame};
}

QSize TPanel::minimumSizeHint() const
{
    return layout() != nullptr ? QFrame::minimumSizeHint() : QSize(2 * frameWidth(), 0);
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (CaptionText.isEmpty()) {
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(4 + Indent, 0, -4, 0);
    style()->drawItemText(&painter, area, int(CaptionAlignment) | Qt::TextShowMnemonic, palette(),
                          isEnabled(), CaptionText, QPalette::WindowText);
}

void TPanel::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button());
    event->accept();
}

void TPanel::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    event->accept();
}
