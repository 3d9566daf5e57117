#pragma once
// The file URLs a program hands to the desktop (browser, file manager) while
// an action runs, caught instead of opened.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>

namespace rk::test {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

inline QList<QUrl> FileUrlsOpenedBy(const std::function<void()>& action) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    action();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return catcher.urls;
}

}  // namespace rk::test
