#pragma once
// The main window: the form in its client area, the menus (MainMenus.h,
// PortMenu.h), the toolbar (MainToolBar.h), the recent files
// (RecentFilesMenu.h), the channel table's dock (ChannelTableDock.h), file
// drops (FileDrops.h) and the status bar; here the window's title, its size
// and what closing it asks. Commands are reachable by their numeric ids
// (CommandSet.h).

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "CommandSet.h"

class QAction;
class QScrollArea;
class QToolBar;

namespace rk {
class ChannelTableDock;
class ChannelTableFiles;
class ChannelTablePanel;
class CloneLink;
class DocumentFiles;
class EditLock;
class FormView;
class RecentFiles;
class RecentFilesMenu;
class SeriesWindow;
class StatusPanes;
class TransferCommands;
struct ModelProfile;
}  // namespace rk

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(const rk::ModelProfile& profile, rk::DocumentFiles& files, rk::RecentFiles& recent,
               rk::FormView& view, rk::CloneLink& link, rk::TransferCommands& transfer, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a menu or toolbar command, or nullptr.
    QAction* Command(int id) const { return m_commands.Find(id); }
    QToolBar* ToolBar() const { return m_toolBar; }
    rk::StatusPanes* StatusPanes() const { return m_statusPanes; }
    // The channel table panel, or nullptr until it is first shown.
    rk::ChannelTablePanel* ChannelTable() const;
    // Ends the transfer in progress; Esc and the status bar's button.
    QAction* StopAction() const { return m_stopAction; }

    // Lays the window out again and shrinks it to fit the form; it never grows.
    void FitToForm();
    // Opens a file as Open does, asking about unsaved changes first; not
    // while a series writes the document's image.
    bool OpenFile(const QString& path);
    // The operation menu's write to several radios: the check, then the
    // series window over this one, whose edits are locked until it ends.
    void StartSeries();
    // The window of the series in progress, or nullptr.
    rk::SeriesWindow* Series() const;

signals:
    // A language chosen in the View menu, already kept for the next start.
    void languageChosen(const QString& code);

protected:
    // A write in progress and unsaved changes are asked about first.
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();
    // The commands that would change or replace the document.
    QList<QAction*> EditCommands() const;

    const rk::ModelProfile& m_profile;
    rk::DocumentFiles& m_files;
    rk::RecentFiles& m_recent;
    rk::FormView& m_view;
    rk::CloneLink& m_link;
    rk::TransferCommands& m_transfer;
    rk::CommandSet m_commands;
    rk::ChannelTableFiles* m_tables = nullptr;
    rk::StatusPanes* m_statusPanes = nullptr;
    QScrollArea* m_scroll = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_stopAction = nullptr;
    std::unique_ptr<rk::RecentFilesMenu> m_recentMenu;
    std::unique_ptr<rk::ChannelTableDock> m_tableDock;
    std::unique_ptr<rk::EditLock> m_lock;
    QPointer<rk::SeriesWindow> m_seriesWindow;
};
