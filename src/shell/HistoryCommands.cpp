#include "HistoryCommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

#include "FormView.h"
#include "ModelProfile.h"
#include "RadioDocument.h"
#include "StepNames.h"
#include "Texts.h"

namespace rk {

HistoryCommands::HistoryCommands(const ModelProfile& profile, RadioDocument& document, FormView& view, QAction* undo,
                                 QAction* redo, QObject* parent)
    : QObject(parent), m_profile(profile), m_document(document), m_view(view), m_undo(undo), m_redo(redo) {
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(m_undo, &QAction::triggered, this, &HistoryCommands::Undo);
    connect(m_redo, &QAction::triggered, this, &HistoryCommands::Redo);
    // A line edit claims Ctrl+Z for its own undo; the form's edits hand both
    // keys to the window's actions instead.
    for (QLineEdit* edit : m_view.findChildren<QLineEdit*>()) edit->installEventFilter(this);
    m_historyListener = m_document.historyChanged.Add([this] { Refresh(); });
    Refresh();
}

void HistoryCommands::Undo() {
    if (m_document.Undo()) m_view.ShowRestoredImage();
}

void HistoryCommands::Redo() {
    if (m_document.Redo()) m_view.ShowRestoredImage();
}

void HistoryCommands::Refresh() {
    const QString undoName = UndoStepName(m_profile, m_document);
    const QString redoName = RedoStepName(m_profile, m_document);
    m_undo->setText(undoName.isEmpty() ? Tr(m_profile.menu.editUndo) : undoName);
    m_redo->setText(redoName.isEmpty() ? Tr(m_profile.menu.editRedo) : redoName);
    m_undo->setEnabled(m_document.History().CanUndo());
    m_redo->setEnabled(m_document.History().CanRedo());
}

bool HistoryCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (pressed == m_undo->shortcut() || pressed == m_redo->shortcut()) {
            // Not accepted: the shortcut goes to the window's action.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rk
