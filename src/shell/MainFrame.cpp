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
#include "FileDrops.h"
#include "FormView.h"
#include "MainMenus.h"
#include "MainToolBar.h"
#include "ModelProfile.h"
#include "PortMenu.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "StatusPanes.h"
#include "Texts.h"

using namespace rk;

CMainFrame::CMainFrame(const ModelProfile& profile, DocumentFiles& files, RecentFiles& recent, FormView& view,
                       CloneLink& link, TransferCommands& transfer, QWidget* parent)
    : QMainWindow(parent),
      m_profile(profile),
      m_files(files),
      m_recent(recent),
      m_view(view),
      m_link(link),
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
    m_stopAction = AddOperationMenu(place, transfer, *m_statusPanes);
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

bool CMainFrame::OpenFile(const QString& path) { return m_files.Open(path); }

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_link.IsWriting() && !Prompts::Current().AskYesNo(Tr(m_profile.shell.quitDuringWriteQuestion))) {
        event->ignore();
        return;
    }
    if (!m_files.ConfirmDiscard()) {
        event->ignore();
        return;
    }
    m_link.OnCloseRequest();
    m_recent.Save();
    m_tableDock->Save();
    event->accept();
}
