#pragma once
// Undo and Redo of the document's edit history: the Edit menu's two actions
// name the step they act on and are enabled only when there is one. Their
// shortcuts win over an edit field's own undo, since every keystroke there
// is already a step of the history; what a step changed is shown at once.

#include <QObject>

#include "Listeners.h"

class QAction;

namespace rk {

class FormView;
class RadioDocument;
struct ModelProfile;

class HistoryCommands : public QObject {
    Q_OBJECT
public:
    HistoryCommands(const ModelProfile& profile, RadioDocument& document, FormView& view, QAction* undo,
                    QAction* redo, QObject* parent = nullptr);

    void Undo();
    void Redo();
    // Brings the actions' texts and enabled states up to date.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ModelProfile& m_profile;
    RadioDocument& m_document;
    FormView& m_view;
    QAction* m_undo;
    QAction* m_redo;
    Subscription m_historyListener;
};

}  // namespace rk
