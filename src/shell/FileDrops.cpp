#include "FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace rk {

namespace {
// The local file a drag carries, or nothing.
QString DraggedFile(const QMimeData* mime) {
    const QList<QUrl> urls = mime ? mime->urls() : QList<QUrl>{};
    return !urls.isEmpty() && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}
}  // namespace

FileDrops::FileDrops(QWidget* window, QWidget* form, std::function<void(const QString&)> open)
    : QObject(window), m_window(window), m_open(std::move(open)) {
    m_window->setAcceptDrops(true);
    m_window->installEventFilter(this);
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->acceptDrops()) widget->installEventFilter(this);
    }
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);  // the base of all three
    const QString path = DraggedFile(drop->mimeData());
    if (path.isEmpty()) return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        m_window->activateWindow();
        m_open(path);
    }
    return true;
}

}  // namespace rk
