#pragma once
// The main window while a series writes its image to radio after radio:
// everything stays readable, nothing changes the image. The commands that
// edit or replace the document are off, the form takes no input but for
// choosing the channel it shows, and the channel table takes no edits.
// Everything is as it was once the lock goes.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace rk {

class ChannelTableDock;
class FormView;

class EditLock : public QObject {
    Q_OBJECT
public:
    EditLock(const QList<QAction*>& commands, FormView& view, ChannelTableDock& table);
    ~EditLock() override;
    EditLock(const EditLock&) = delete;
    EditLock& operator=(const EditLock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAction*> m_commands;  // those that were on
    QList<QWidget*> m_watched;
    ChannelTableDock& m_table;
};

}  // namespace rk
