#pragma once
// The main window's commands by their numeric ids: every menu item and
// toolbar button is one action made here, so a command is found by its id
// wherever it appears.

#include <QHash>

class QAction;
class QObject;

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
inline constexpr int kOperationSeries = 32807;
inline constexpr int kHelpGuide = 32840;
}  // namespace rk::command

namespace rk {

class CommandSet {
public:
    // The actions belong to `owner` (the window).
    explicit CommandSet(QObject* owner) : m_owner(owner) {}

    // A new action under `id`, its text, status-bar prompt and tooltip in
    // the interface language; a null text or prompt is left empty.
    QAction* Add(int id, const char* text, const char* prompt, const char* tooltip);
    // The action of a command, or nullptr.
    QAction* Find(int id) const { return m_actions.value(id); }
    // The action no longer answers to its id (it is about to go).
    void Forget(QAction* action);

private:
    QObject* m_owner;
    QHash<int, QAction*> m_actions;
};

}  // namespace rk
