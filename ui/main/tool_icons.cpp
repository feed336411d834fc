#include "ui/main/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int Size = 40; // drawn at twice the shown size, for sharp edges on any screen

const QColor Ink(0x2B, 0x4C, 0x7E);
const QColor Fill(0xE6, 0xEE, 0xF8);

void DrawSettings(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    const QPointF centre(Size / 2.0, Size / 2.0);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        p.drawRoundedRect(QRectF(-4, -17, 8, 10), 2, 2);
        p.restore();
    }
    p.drawEllipse(centre, 12, 12);
    p.setBrush(Fill);
    p.drawEllipse(centre, 5, 5);
}

void DrawKeys(QPainter& p)
{
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(Fill);
    p.drawRoundedRect(QRectF(3, 9, 34, 22), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 5; ++col) {
            p.drawRect(QRectF(7 + col * 5.8, 13 + row * 6, 4, 4));
        }
    }
    p.drawRect(QRectF(11, 25, 18, 3));
}

void DrawHelp(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2F, 0x7D, 0xD1));
    p.drawEllipse(QRectF(3, 3, 34, 34));
    QFont font = p.font();
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 1, Size, Size), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawMail(QPainter& p)
{
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Fill);
    const QRectF envelope(4, 9, 32, 22);
    p.drawRect(envelope);
    QPainterPath flap;
    flap.moveTo(envelope.topLeft());
    flap.lineTo(envelope.center().x(), envelope.top() + 13);
    flap.lineTo(envelope.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void DrawWeb(QPainter& p)
{
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(Fill);
    const QRectF globe(4, 4, 32, 32);
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(13, 4, 14, 32));
    p.drawLine(QPointF(4, 20), QPointF(36, 20));
    p.drawLine(QPointF(7, 12), QPointF(33, 12));
    p.drawLine(QPointF(7, 28), QPointF(33, 28));
}

} // namespace

QIcon ToolIcon(TToolIcon kind)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case TToolIcon::Settings:
        DrawSettings(painter);
        break;
    case TToolIcon::Keys:
        DrawKeys(painter);
        break;
    case TToolIcon::Help:
        DrawHelp(painter);
        break;
    case TToolIcon::Mail:
        DrawMail(painter);
        break;
    case TToolIcon::Web:
        DrawWeb(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}
