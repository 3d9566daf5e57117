#include "RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "CommandSet.h"
#include "ModelProfile.h"
#include "RecentFiles.h"
#include "Texts.h"

namespace rk {

RecentFilesMenu::RecentFilesMenu(const ModelProfile& profile, CommandSet& commands, RecentFiles& recent, QMenu* menu,
                                 QAction* before, std::function<bool(const QString&)> open)
    : m_profile(profile), m_commands(commands), m_recent(recent), m_menu(menu), m_before(before),
      m_open(std::move(open)) {
    Rebuild();
}

void RecentFilesMenu::Use(const QString& path) {
    m_recent.Add(path);
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    for (QAction* action : m_actions) {
        m_commands.Forget(action);
        m_menu->removeAction(action);
        action->deleteLater();
    }
    m_actions.clear();

    const QStringList& entries = m_recent.Entries();
    if (entries.isEmpty()) {
        QAction* placeholder = new QAction(Tr(m_profile.menu.recentPlaceholder), m_menu);
        placeholder->setEnabled(false);
        m_actions.append(placeholder);
    }
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        const QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path));
        QAction* action = m_commands.Add(command::kFirstRecentFile + i, nullptr, m_profile.prompts.recentFile.prompt,
                                         m_profile.prompts.recentFile.tooltip);
        action->setText(label);
        QObject::connect(action, &QAction::triggered, m_menu, [this, path] {
            // A recent entry that no longer opens leaves the list.
            if (!m_open(path) && !QFileInfo::exists(path)) {
                m_recent.Remove(path);
                Rebuild();
            }
        });
        m_actions.append(action);
    }
    m_menu->insertActions(m_before, m_actions);
}

}  // namespace rk
