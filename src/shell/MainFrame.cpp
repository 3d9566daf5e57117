#include "MainFrame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

#include "ChannelTableDock.h"
#include "ChannelTableFiles.h"
#include "CloneLink.h"
#include "DocumentFiles.h"
#include "EditLock.h"
#include "FileDrops.h"
#include "FormView.h"
#include "MainMenus.h"
#include "MainToolBar.h"
#include "ModelProfile.h"
#include "PortMenu.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "SeriesWindow.h"
#include "StatusPanes.h"
#include "Texts.h"
#include "TransferCommands.h"

using namespace rk;

CMainFrame::CMainFrame(const ModelProfile& profile, DocumentFiles& files, RecentFiles& recent, FormView& view,
                       CloneLink& link, TransferCommands& transfer, QWidget* parent)
    : QMainWindow(parent),
      m_profile(profile),
      m_files(files),
      m_recent(recent),
      m_view(view),
      m_link(link),
      m_transfer(transfer),
      m_commands(this),
      m_tables(new ChannelTableFiles(profile, files, view, this)) {
    new FileDrops(this, &m_view, [this](const QString& path) { OpenFile(path); });
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(&m_view);
    setCentralWidget(m_scroll);

    m_statusPanes = new rk::StatusPanes(profile, this);
    setStatusBar(m_statusPanes);

    const MenuPlace place{profile, m_commands, *this};
    const FileMenu fileMenu = AddFileMenu(place, files, *m_tables, *m_statusPanes);
    m_recentMenu = std::make_unique<RecentFilesMenu>(profile, m_commands, recent, fileMenu.menu, fileMenu.recentPlace,
                                                     [this](const QString& path) { return OpenFile(path); });
    QMenu* editMenu = AddEditMenu(place, files, view);
    AddViewMenu(place, *m_statusPanes, [this](bool shown) { m_tableDock->Show(shown); },
                [this](const QString& code) { emit languageChosen(code); });
    m_tableDock = std::make_unique<ChannelTableDock>(
        profile, files.Document(), view,
        ChannelTableDock::Places{this, Command(command::kViewChannelTable), editMenu, m_statusPanes});
    AddPortMenu(profile, m_commands, *this, transfer);
    m_stopAction = AddOperationMenu(place, transfer, *m_statusPanes, [this] { StartSeries(); });
    connect(&transfer, &TransferCommands::seriesEnded, this, [this] { m_lock.reset(); });
    AddHelpMenu(place);
    m_toolBar = AddMainToolBar(profile, m_commands, *this);

    connect(&m_files, &DocumentFiles::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(&m_files, &DocumentFiles::FileUsed, this, [this](const QString& path) { m_recentMenu->Use(path); });
    UpdateTitle();
    if (m_tableDock->WasShown()) Command(command::kViewChannelTable)->setChecked(true);
}

CMainFrame::~CMainFrame() = default;

ChannelTablePanel* CMainFrame::ChannelTable() const { return m_tableDock->Panel(); }

void CMainFrame::UpdateTitle() {
    setWindowTitle(m_files.DisplayName() + QStringLiteral("[*] - ") + Tr(m_profile.documentType.windowTitle));
    setWindowModified(m_files.Document().IsModified());
}

void CMainFrame::FitToForm() {
    QSize bound = size();
    m_tableDock->Widen(bound, m_view.sizeHint().width() + 2 * m_scroll->verticalScrollBar()->sizeHint().width());
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    const QSize chrome = size() - m_scroll->size();
    const QSize wanted = m_view.sizeHint() + chrome;
    const QSize fitted = bound.boundedTo(wanted);
    if (fitted != size()) resize(fitted);
}

bool CMainFrame::OpenFile(const QString& path) { return !m_transfer.InSeries() && m_files.Open(path); }

SeriesWindow* CMainFrame::Series() const { return m_seriesWindow; }

QList<QAction*> CMainFrame::EditCommands() const {
    QList<QAction*> commands;
    for (int id : {command::kFileNew, command::kFileOpen, command::kFileImportTable, command::kEditUndo,
                   command::kEditRedo, m_profile.ids.read, m_profile.ids.write, command::kOperationSeries})
        commands << Command(id);
    for (int id = command::kFirstRecentFile; Command(id); ++id) commands << Command(id);
    return commands;
}

void CMainFrame::StartSeries() {
    rk::WriteSeries* series = m_transfer.BeginSeries();
    if (!series) return;
    m_lock = std::make_unique<EditLock>(EditCommands(), m_view, *m_tableDock);
    const RadioDocument& document = m_files.Document();
    m_seriesWindow = new SeriesWindow(m_profile, m_transfer, *series, m_files.DisplayName(),
                                      document.Image().ConfiguredChannelCount(), this);
    m_seriesWindow->show();
    m_seriesWindow->activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_link.IsWriting() && !Prompts::Current().AskYesNo(Tr(m_profile.shell.quitDuringWriteQuestion))) {
        event->ignore();
        return;
    }
    if (!m_files.ConfirmDiscard()) {
        event->ignore();
        return;
    }
    // The series' log has every radio that ended; the one cut short ends
    // as stopped.
    if (m_seriesWindow) m_seriesWindow->EndQuietly();
    m_link.OnCloseRequest();
    m_recent.Save();
    m_tableDock->Save();
    event->accept();
}
