#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#ifndef RK_ICONS_AS_PICTURES
#include <QSvgRenderer>
#endif

namespace rk {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};

}  // namespace

#ifdef RK_ICONS_AS_PICTURES
// Rendered from the artwork when the program was built, one picture per size:
// :/icons/<program>-<size>.png.
QIcon ProgramIcon(const QString& programName) {
    QIcon icon;
    for (int size : kIconSizes) {
        const QPixmap pixmap(QStringLiteral(":/icons/%1-%2.png").arg(programName).arg(size));
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}
#else
// Rendered here rather than through QIcon's SVG plugin so that the icon does
// not depend on which image plugins happen to be installed.
QIcon ProgramIcon(const QString& programName) {
    QSvgRenderer artwork(QStringLiteral(":/icons/%1.svg").arg(programName));
    if (!artwork.isValid()) return {};
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        artwork.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
#endif

}  // namespace rk
