#include "EditLock.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "ChannelTableDock.h"
#include "FormView.h"

namespace rk {
namespace {

// What the user does to a control to change it; moving the focus stays.
bool IsInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent&>(event).key();
        return key != Qt::Key_Tab && key != Qt::Key_Backtab;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool IsWithin(const QWidget* widget, const QList<QWidget*>& places) {
    for (const QWidget* place : places)
        if (place && (widget == place || place->isAncestorOf(widget))) return true;
    return false;
}

}  // namespace

EditLock::EditLock(const QList<QAction*>& commands, FormView& view, ChannelTableDock& table) : m_table(table) {
    for (QAction* command : commands) {
        if (!command || !command->isEnabled()) continue;
        command->setEnabled(false);
        m_commands << command;
    }
    // The configured-channel list and the channel selector only choose what
    // the form shows.
    const QList<QWidget*> choosers{view.Control(ctl::kValidList), view.Control(ctl::kChannelSelector)};
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        if (IsWithin(widget, choosers)) continue;
        widget->installEventFilter(this);
        m_watched << widget;
    }
    m_table.SetEditable(false);
}

EditLock::~EditLock() {
    for (QAction* command : m_commands) command->setEnabled(true);
    for (QWidget* widget : m_watched) widget->removeEventFilter(this);
    m_table.SetEditable(true);
}

bool EditLock::eventFilter(QObject* watched, QEvent* event) {
    if (IsInput(*event)) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace rk
