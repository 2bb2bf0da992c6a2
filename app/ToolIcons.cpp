#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 24;

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF wing1 = shaft;
    wing1.setLength(7);
    wing1.setAngle(shaft.angle() + 35);
    QLineF wing2 = shaft;
    wing2.setLength(7);
    wing2.setAngle(shaft.angle() - 35);
    p.drawLine(wing1);
    p.drawLine(wing2);
}

void plug(QPainter& p, const QColor& body, bool connected) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 8, 9, 8), 2, 2);
    p.setPen(QPen(Qt::darkGray, 2));
    p.drawLine(QPointF(12, 10), QPointF(connected ? 16 : 14, 10));
    p.drawLine(QPointF(12, 14), QPointF(connected ? 16 : 14, 14));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(connected ? QColor(60, 160, 60) : QColor(200, 60, 50));
    p.drawEllipse(QRectF(15, 15, 8, 8));
}

void page(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2.5, 14, 19));
}

void draw(QPainter& p, ToolIcon kind) {
    switch (kind) {
    case ToolIcon::Online:
        plug(p, QColor(90, 140, 220), true);
        break;
    case ToolIcon::Offline:
        plug(p, QColor(150, 150, 150), false);
        break;
    case ToolIcon::Send:
        p.fillRect(QRectF(3, 17, 18, 4), QColor(80, 80, 80));
        arrow(p, {12, 15}, {12, 3}, QColor(40, 120, 200));
        break;
    case ToolIcon::Receive:
        p.fillRect(QRectF(3, 17, 18, 4), QColor(80, 80, 80));
        arrow(p, {12, 3}, {12, 15}, QColor(40, 150, 70));
        break;
    case ToolIcon::Redo: {
        p.setPen(QPen(QColor(200, 120, 20), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 90 * 16, 270 * 16);
        arrow(p, {8, 4}, {12, 4}, QColor(200, 120, 20));
        break;
    }
    case ToolIcon::Cancel:
        p.setPen(QPen(QColor(200, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case ToolIcon::ClearView:
        page(p);
        p.setPen(QPen(QColor(200, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 13), QPointF(21, 21));
        p.drawLine(QPointF(21, 13), QPointF(13, 21));
        break;
    case ToolIcon::PortReport: {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(230, 230, 230));
        QPainterPath connector;
        connector.moveTo(2, 7);
        connector.lineTo(22, 7);
        connector.lineTo(19, 17);
        connector.lineTo(5, 17);
        connector.closeSubpath();
        p.drawPath(connector);
        p.setBrush(Qt::black);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(5.5 + i * 3.25, 10.5), 1, 1);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(7 + i * 3.3, 14), 1, 1);
        break;
    }
    case ToolIcon::Editor:
        page(p);
        p.setPen(QPen(QColor(40, 90, 170), 1.5));
        for (int y = 6; y <= 18; y += 3)
            p.drawLine(QPointF(8, y), QPointF(16, y));
        break;
    case ToolIcon::Print:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2.5, 10, 8));
        p.setBrush(QColor(120, 120, 120));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15.5, 10, 6));
        break;
    }
}

} // namespace

QIcon toolIcon(ToolIcon kind) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, kind);
    }
    return QIcon(pixmap);
}
