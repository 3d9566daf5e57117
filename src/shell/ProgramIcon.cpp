#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace rk {

// Rendered here rather than through QIcon's SVG plugin so that the icon does
// not depend on which image plugins happen to be installed.
QIcon ProgramIcon(const QString& programName) {
    QSvgRenderer artwork(QStringLiteral(":/icons/%1.svg").arg(programName));
    if (!artwork.isValid()) return {};
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        artwork.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace rk
