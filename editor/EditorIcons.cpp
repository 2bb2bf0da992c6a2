#include "editor/EditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 24;

void page(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void folder(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath path;
    path.moveTo(2, 7);
    path.lineTo(9, 7);
    path.lineTo(11, 9);
    path.lineTo(21, 9);
    path.lineTo(21, 20);
    path.lineTo(2, 20);
    path.closeSubpath();
    p.drawPath(path);
}

void disk(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(50, 80, 160));
    p.drawRect(QRectF(3, 3, 18, 18));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 12, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(7, 14, 10, 7));
}

void printer(QPainter& p) {
    page(p, QRectF(7, 2, 10, 9));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(2, 10, 20, 8), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 15, 12, 6));
}

void closeList(QPainter& p) {
    page(p, QRectF(4, 2, 13, 18));
    p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 13), QPointF(20, 21));
    p.drawLine(QPointF(20, 13), QPointF(12, 21));
}

void scissors(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 3), QPointF(15, 15));
    p.drawLine(QPointF(17, 3), QPointF(9, 15));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 40, 40), 2));
    p.drawEllipse(QRectF(4, 15, 6, 6));
    p.drawEllipse(QRectF(14, 15, 6, 6));
}

void copy(QPainter& p) {
    page(p, QRectF(3, 2, 11, 14));
    page(p, QRectF(10, 8, 11, 14));
}

void paste(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(190, 140, 70));
    p.drawRoundedRect(QRectF(3, 4, 14, 18), 2, 2);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(7, 2, 6, 4));
    page(p, QRectF(10, 9, 11, 13));
}

void font(QPainter& p) {
    QFont f = p.font();
    f.setPixelSize(20);
    f.setBold(true);
    f.setFamily(QStringLiteral("Serif"));
    p.setFont(f);
    p.setPen(QColor(30, 30, 120));
    p.drawText(QRectF(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("A"));
}

} // namespace

QIcon editorIcon(EditorIcon kind) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case EditorIcon::Open:
        folder(p);
        break;
    case EditorIcon::Save:
        disk(p);
        break;
    case EditorIcon::Print:
        printer(p);
        break;
    case EditorIcon::Close:
        closeList(p);
        break;
    case EditorIcon::Cut:
        scissors(p);
        break;
    case EditorIcon::Copy:
        copy(p);
        break;
    case EditorIcon::Paste:
        paste(p);
        break;
    case EditorIcon::Font:
        font(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}
