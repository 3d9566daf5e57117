#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace rk {
namespace {

// All images are drawn on a 16 x 15 grid, centred in wider buttons.
void DrawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 14);
    page.lineTo(3, 14);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawPath(page);
    p.drawLine(QPointF(10, 1), QPointF(10, 4));
    p.drawLine(QPointF(10, 4), QPointF(13, 4));
}

void DrawFolder(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    p.setBrush(QColor(250, 220, 110));
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
}

void DrawDisk(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(40, 60, 150));
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 6, 5));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(3.5, 9.5, 8, 4));
}

// A handheld radio with an arrow: out of it for a read, into it for a write.
void DrawTransfer(QPainter& p, bool intoRadio) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(9.5, 3.5, 5, 10));
    p.drawLine(QPointF(13, 3.5), QPointF(13, 0.5));
    p.setBrush(QColor(120, 200, 120));
    p.drawRect(QRectF(10.5, 5.5, 3, 2));
    const QColor arrow = intoRadio ? QColor(200, 30, 30) : QColor(20, 120, 20);
    p.setPen(QPen(arrow, 2));
    p.drawLine(QPointF(1, 9), QPointF(7, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    QPainterPath head;
    if (intoRadio) {
        head.moveTo(8.5, 9);
        head.lineTo(5, 5.5);
        head.lineTo(5, 12.5);
    } else {
        head.moveTo(0, 9);
        head.lineTo(3.5, 5.5);
        head.lineTo(3.5, 12.5);
    }
    head.closeSubpath();
    p.drawPath(head);
}

}  // namespace

QIcon ToolbarIcon(ToolbarImage image, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((size.width() - 16) / 2.0, (size.height() - 15) / 2.0);
    switch (image) {
    case ToolbarImage::New: DrawPage(p); break;
    case ToolbarImage::Open: DrawFolder(p); break;
    case ToolbarImage::Save: DrawDisk(p); break;
    case ToolbarImage::Read: DrawTransfer(p, false); break;
    case ToolbarImage::Write: DrawTransfer(p, true); break;
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace rk
