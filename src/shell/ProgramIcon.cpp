#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace rk {
namespace {

// Drawn on a 48 x 48 grid and scaled to each size.
QPixmap DrawRadio(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(QColor(45, 45, 50));
    p.drawRoundedRect(QRectF(13, 12, 22, 34), 4, 4);                 // body
    p.drawRoundedRect(QRectF(27, 2, 5, 11), 2, 2);                  // antenna
    p.setBrush(QColor(140, 210, 140));
    p.drawRect(QRectF(17, 16, 14, 9));                              // display
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 180, 185));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(17.5 + col * 5, 29 + row * 5, 3, 3));  // keys
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(DrawRadio(size));
    return icon;
}

}  // namespace rk
