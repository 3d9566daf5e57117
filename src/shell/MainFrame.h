#pragma once
// The main window: menus, toolbar, status bar and the form in its client
// area. Commands are reachable by their numeric ids.

#include <QHash>
#include <QMainWindow>

class QAction;
class QMenu;
class QScrollArea;
class QToolBar;

namespace rk {
class ChannelTableFiles;
class ChannelTablePanel;
class CloneLink;
class DocumentFiles;
class FormView;
class HistoryCommands;
class RecentFiles;
class StatusPanes;
class TransferCommands;
struct ModelProfile;
}  // namespace rk

// Command ids shared by both programs.
namespace rk::command {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kFileExportTable = 32800;
inline constexpr int kFileImportTable = 32801;
inline constexpr int kOperationBackups = 32802;
inline constexpr int kFirstRecentFile = 57616;
inline constexpr int kAppExit = 57665;
inline constexpr int kAppAbout = 57664;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kViewChannelTable = 32803;
inline constexpr int kFilePrintTable = 32804;
inline constexpr int kFileExportTablePdf = 32805;
inline constexpr int kOperationPreview = 32806;
inline constexpr int kHelpGuide = 32840;
}  // namespace rk::command

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(const rk::ModelProfile& profile, rk::DocumentFiles& files, rk::RecentFiles& recent,
               rk::FormView& view, rk::CloneLink& link, rk::TransferCommands& transfer, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a menu or toolbar command, or nullptr.
    QAction* Command(int id) const { return m_commands.value(id); }
    QToolBar* ToolBar() const { return m_toolBar; }
    rk::StatusPanes* StatusPanes() const { return m_statusPanes; }
    // The channel table panel, or nullptr until it is first shown.
    rk::ChannelTablePanel* ChannelTable() const { return m_channelTable; }
    // Ends the transfer in progress; Esc and the status bar's button.
    QAction* StopAction() const { return m_stopAction; }

    // Lays the window out again and shrinks it to fit the form; it never grows.
    void FitToForm();
    // Opens a file as Open does, asking about unsaved changes first.
    bool OpenFile(const QString& path);

signals:
    // A language chosen in the View menu, already kept for the next start.
    void languageChosen(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(int id, const char* text, const char* prompt, const char* tooltip);
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateViewMenu();
    void CreateLanguageMenu(QMenu* viewMenu);
    // Builds the panel on its first showing, where the last run left it.
    void ShowChannelTable(bool shown);
    void SaveChannelTable() const;
    void CreatePortMenu();
    void CreateOperationMenu();
    void CreateHelpMenu();
    void CreateToolBar();
    void RefreshPortTicks();
    void RefreshPortPrompts();
    void RebuildRecentFiles();
    void UpdateTitle();
    void ShowAbout();

    const rk::ModelProfile& m_profile;
    rk::DocumentFiles& m_files;
    rk::RecentFiles& m_recent;
    rk::FormView& m_view;
    rk::CloneLink& m_link;
    rk::ChannelTableFiles* m_tables = nullptr;
    rk::HistoryCommands* m_history = nullptr;
    rk::ChannelTablePanel* m_channelTable = nullptr;
    rk::TransferCommands& m_transfer;
    QAction* m_stopAction = nullptr;
    QHash<int, QAction*> m_commands;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    rk::StatusPanes* m_statusPanes = nullptr;
    QScrollArea* m_scroll = nullptr;
};
