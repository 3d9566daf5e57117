#include "CommandSet.h"

#include <QAction>

#include "Texts.h"

namespace rk {

QAction* CommandSet::Add(int id, const char* text, const char* prompt, const char* tooltip) {
    auto* action = new QAction(Tr(text), m_owner);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    if (prompt) action->setStatusTip(Tr(prompt));
    if (tooltip) action->setToolTip(Tr(tooltip));
    m_actions.insert(id, action);
    return action;
}

void CommandSet::Forget(QAction* action) {
    for (auto it = m_actions.begin(); it != m_actions.end();) {
        it = it.value() == action ? m_actions.erase(it) : std::next(it);
    }
}

}  // namespace rk
