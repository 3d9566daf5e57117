#pragma once
// The main window's menus but the Port menu (PortMenu.h): File, Edit, View
// with its languages, Operation and Help, in the menu bar's order. Every
// item is a command of the window's command set, with the profile's text,
// prompt, tooltip and shortcut.

#include <QString>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace rk {

class ChannelTableFiles;
class CommandSet;
class DocumentFiles;
class FormView;
class StatusPanes;
class TransferCommands;
struct ModelProfile;

struct MenuPlace {
    const ModelProfile& profile;
    CommandSet& commands;
    QMainWindow& window;
};

// The File menu; `recentPlace` is where the recent files go, before Exit.
struct FileMenu {
    QMenu* menu;
    QAction* recentPlace;
};
FileMenu AddFileMenu(const MenuPlace& place, DocumentFiles& files, ChannelTableFiles& tables, StatusPanes& status);

// Undo and Redo, window-wide so that their keys work wherever the focus is.
QMenu* AddEditMenu(const MenuPlace& place, DocumentFiles& files, FormView& view);

// `showTable` shows or hides the channel table; `languageChosen` hears a
// language the user chose, already kept for the next start.
void AddViewMenu(const MenuPlace& place, StatusPanes& status, std::function<void(bool)> showTable,
                 std::function<void(const QString&)> languageChosen);

// Returns the action that stops a transfer: no menu item, but Esc anywhere in
// the window and the button the status bar shows while a transfer runs.
// `writeSeries` runs the item after Write, the write to several radios.
QAction* AddOperationMenu(const MenuPlace& place, TransferCommands& transfer, StatusPanes& status,
                          std::function<void()> writeSeries);

void AddHelpMenu(const MenuPlace& place);

}  // namespace rk
