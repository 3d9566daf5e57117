#pragma once
// A file dragged onto the window opens as Open does. The form's edit fields
// take drops themselves and would type a dropped file's name: a file goes to
// the window from them too, while dropped text still goes into the field.

#include <QObject>
#include <functional>

class QWidget;

namespace rk {

class FileDrops : public QObject {
    Q_OBJECT
public:
    // Watches `window` and every widget of `form` that takes drops; `open`
    // opens the dropped file.
    FileDrops(QWidget* window, QWidget* form, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void(const QString&)> m_open;
};

}  // namespace rk
