#pragma once
// The File menu's recent-file entries: one numbered command per file of the
// list (ids from command::kFirstRecentFile), or a greyed placeholder when the
// list is empty, placed before the separator above Exit. An entry that no
// longer opens leaves the list.

#include <QList>
#include <functional>

class QAction;
class QMenu;
class QString;

namespace rk {

class CommandSet;
class RecentFiles;
struct ModelProfile;

class RecentFilesMenu {
public:
    // `open` opens a file as Open does and says whether it did.
    RecentFilesMenu(const ModelProfile& profile, CommandSet& commands, RecentFiles& recent, QMenu* menu,
                    QAction* before, std::function<bool(const QString&)> open);
    RecentFilesMenu(const RecentFilesMenu&) = delete;
    RecentFilesMenu& operator=(const RecentFilesMenu&) = delete;

    // A file was opened or saved: it goes to the front.
    void Use(const QString& path);
    // Puts the entries of the list into the menu anew.
    void Rebuild();

private:
    const ModelProfile& m_profile;
    CommandSet& m_commands;
    RecentFiles& m_recent;
    QMenu* m_menu;
    QAction* m_before;
    std::function<bool(const QString&)> m_open;
    QList<QAction*> m_actions;
};

}  // namespace rk
