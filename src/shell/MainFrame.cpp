#include "MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "AboutDialog.h"
#include "ChannelSheet.h"
#include "ChannelTableFiles.h"
#include "ChannelTablePanel.h"
#include "CloneLink.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "HistoryCommands.h"
#include "Languages.h"
#include "ModelProfile.h"
#include "SystemPorts.h"
#include "ProgramShell.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "SettingsLocation.h"
#include "StatusPanes.h"
#include "Texts.h"
#include "ToolbarIcons.h"
#include "TransferCommands.h"
#include "UserGuide.h"

using namespace rk;

namespace {

const QString kTableShownKey = QStringLiteral("ChannelTable/Shown");
const QString kTableFloatingKey = QStringLiteral("ChannelTable/Floating");
const QString kTableAreaKey = QStringLiteral("ChannelTable/Area");
const QString kTableGeometryKey = QStringLiteral("ChannelTable/Geometry");

// The local file a drag carries, or nothing.
QString DraggedFile(const QMimeData* mime) {
    const QList<QUrl> urls = mime ? mime->urls() : QList<QUrl>{};
    return !urls.isEmpty() && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

}  // namespace

CMainFrame::CMainFrame(const ModelProfile& profile, DocumentFiles& files, RecentFiles& recent, FormView& view,
                       CloneLink& link, TransferCommands& transfer, QWidget* parent)
    : QMainWindow(parent),
      m_profile(profile),
      m_files(files),
      m_recent(recent),
      m_view(view),
      m_link(link),
      m_tables(new rk::ChannelTableFiles(profile, files, view, this)),
      m_transfer(transfer) {
    setAcceptDrops(true);
    // The form's edit fields take drops themselves and would type a dropped
    // file's name; a file goes to the window instead (eventFilter).
    for (QWidget* widget : m_view.findChildren<QWidget*>()) {
        if (widget->acceptDrops()) widget->installEventFilter(this);
    }
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(&m_view);
    setCentralWidget(m_scroll);

    m_statusPanes = new rk::StatusPanes(profile, this);
    setStatusBar(m_statusPanes);

    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    CreatePortMenu();
    CreateOperationMenu();
    CreateHelpMenu();
    CreateToolBar();

    connect(&m_files, &DocumentFiles::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(&m_files, &DocumentFiles::FileUsed, this, [this](const QString& path) {
        m_recent.Add(path);
        RebuildRecentFiles();
    });
    UpdateTitle();
    if (ProgramSettings(m_profile.shell.programTitle).value(kTableShownKey).toBool()) Command(command::kViewChannelTable)->setChecked(true);
}

CMainFrame::~CMainFrame() {
    // The panel hides as the window goes, when the View item may be gone, and
    // an open cell editor would commit into a window half torn down.
    if (!m_channelTable) return;
    m_channelTable->disconnect(this);
    m_channelTable->Table()->reset();
}

QAction* CMainFrame::AddCommand(int id, const char* text, const char* prompt, const char* tooltip) {
    auto* action = new QAction(Tr(text), this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    if (prompt) action->setStatusTip(Tr(prompt));
    if (tooltip) action->setToolTip(Tr(tooltip));
    m_commands.insert(id, action);
    return action;
}

void CMainFrame::CreateFileMenu() {
    const auto& menu = m_profile.menu;
    const auto& prompts = m_profile.prompts;
    m_fileMenu = menuBar()->addMenu(Tr(menu.file));

    QAction* newFile = AddCommand(command::kFileNew, menu.fileNew, prompts.fileNew.prompt, prompts.fileNew.tooltip);
    newFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newFile, &QAction::triggered, &m_files, &DocumentFiles::New);

    QAction* open = AddCommand(command::kFileOpen, menu.fileOpen, prompts.fileOpen.prompt, prompts.fileOpen.tooltip);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, &m_files, &DocumentFiles::OpenWithDialog);

    QAction* save = AddCommand(command::kFileSave, menu.fileSave, prompts.fileSave.prompt, prompts.fileSave.tooltip);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, &m_files, &DocumentFiles::Save);

    QAction* saveAs =
        AddCommand(command::kFileSaveAs, menu.fileSaveAs, prompts.fileSaveAs.prompt, prompts.fileSaveAs.tooltip);
    connect(saveAs, &QAction::triggered, &m_files, &DocumentFiles::SaveAs);

    m_fileMenu->addActions({newFile, open, save, saveAs});
    m_fileMenu->addSeparator();

    const auto& table = m_profile.channelTable;
    QAction* exportTable = AddCommand(command::kFileExportTable, table.exportCommand, table.exportPrompt.prompt,
                                      table.exportPrompt.tooltip);
    connect(exportTable, &QAction::triggered, m_tables, &ChannelTableFiles::Export);
    QAction* importTable = AddCommand(command::kFileImportTable, table.importCommand, table.importPrompt.prompt,
                                      table.importPrompt.tooltip);
    connect(importTable, &QAction::triggered, m_tables, &ChannelTableFiles::Import);
    connect(m_tables, &ChannelTableFiles::Summary, this, [this](const QString& text) { m_statusPanes->showMessage(text); });
    m_fileMenu->addActions({exportTable, importTable});
    const ChannelTableViewTexts& sheet = m_profile.tableView;
    QAction* print = AddCommand(command::kFilePrintTable, sheet.print, sheet.printPrompt.prompt, sheet.printPrompt.tooltip);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, [this] { PrintChannelSheet(m_profile, m_files, this); });
    QAction* pdf = AddCommand(command::kFileExportTablePdf, sheet.exportPdf, sheet.exportPdfPrompt.prompt,
                              sheet.exportPdfPrompt.tooltip);
    connect(pdf, &QAction::triggered, this, [this] { ExportChannelSheetPdf(m_profile, m_files); });
    m_fileMenu->addActions({print, pdf});
    m_fileMenu->addSeparator();
    m_recentSeparator = m_fileMenu->addSeparator();
    QAction* exit = AddCommand(command::kAppExit, menu.fileExit, prompts.fileExit.prompt, prompts.fileExit.tooltip);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_fileMenu->addAction(exit);
    RebuildRecentFiles();
}

void CMainFrame::CreateEditMenu() {
    const auto& menu = m_profile.menu;
    QMenu* editMenu = menuBar()->addMenu(Tr(menu.edit));
    m_editMenu = editMenu;
    QAction* undo = AddCommand(command::kEditUndo, menu.editUndo, nullptr, nullptr);
    QAction* redo = AddCommand(command::kEditRedo, menu.editRedo, nullptr, nullptr);
    editMenu->addActions({undo, redo});
    // Window-wide, so that the keys work wherever the focus is.
    addActions({undo, redo});
    m_history = new rk::HistoryCommands(m_profile, m_files.Document(), m_view, undo, redo, this);
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_commands.remove(m_commands.key(action));
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();

    const QStringList& entries = m_recent.Entries();
    if (entries.isEmpty()) {
        QAction* placeholder = new QAction(Tr(m_profile.menu.recentPlaceholder), this);
        placeholder->setEnabled(false);
        m_recentActions.append(placeholder);
    }
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        const QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path));
        QAction* action = AddCommand(command::kFirstRecentFile + i, nullptr, m_profile.prompts.recentFile.prompt,
                                     m_profile.prompts.recentFile.tooltip);
        action->setText(label);
        connect(action, &QAction::triggered, this, [this, path] {
            // A recent entry that no longer opens leaves the list.
            if (!OpenFile(path) && !QFileInfo::exists(path)) {
                m_recent.Remove(path);
                RebuildRecentFiles();
            }
        });
        m_recentActions.append(action);
    }
    m_fileMenu->insertActions(m_recentSeparator, m_recentActions);
}

void CMainFrame::CreateViewMenu() {
    QMenu* viewMenu = menuBar()->addMenu(Tr(m_profile.menu.view));
    const auto& prompts = m_profile.prompts;

    QAction* toolbar = AddCommand(command::kViewToolbar, m_profile.menu.viewToolbar, prompts.viewToolbar.prompt,
                                  prompts.viewToolbar.tooltip);
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    viewMenu->addAction(toolbar);

    QAction* status = AddCommand(command::kViewStatusBar, m_profile.menu.viewStatusBar, prompts.viewStatusBar.prompt,
                                 prompts.viewStatusBar.tooltip);
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, m_statusPanes, &QWidget::setVisible);
    viewMenu->addAction(status);

    const ChannelTableViewTexts& table = m_profile.tableView;
    QAction* channels = AddCommand(command::kViewChannelTable, table.command, table.prompt.prompt, table.prompt.tooltip);
    channels->setCheckable(true);
    channels->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(channels, &QAction::toggled, this, &CMainFrame::ShowChannelTable);
    viewMenu->addAction(channels);
    CreateLanguageMenu(viewMenu);
}

void CMainFrame::ShowChannelTable(bool shown) {
    if (!m_channelTable) {
        if (!shown) return;
        const QSettings settings = ProgramSettings(m_profile.shell.programTitle);
        m_channelTable = new ChannelTablePanel(m_profile, m_files.Document(), m_view, this);
        const auto area = static_cast<Qt::DockWidgetArea>(settings.value(kTableAreaKey, int(Qt::RightDockWidgetArea)).toInt());
        addDockWidget(area == Qt::NoDockWidgetArea ? Qt::RightDockWidgetArea : area, m_channelTable);
        m_channelTable->RestoreColumns(settings);
        // Room beside the form rather than taken from it.
        const int wanted = std::min(m_channelTable->PreferredWidth(), 900);
        if (isVisible() && !settings.value(kTableFloatingKey).toBool()) resize(width() + wanted, height());
        resizeDocks({m_channelTable}, {wanted}, Qt::Horizontal);
        if (settings.value(kTableFloatingKey).toBool()) {
            m_channelTable->setFloating(true);
            if (!m_channelTable->restoreGeometry(settings.value(kTableGeometryKey).toByteArray()))
                m_channelTable->resize(wanted, m_view.sizeHint().height());
        }
        // The row commands join the Edit menu; their keys work while the
        // table has the focus.
        m_editMenu->addSeparator();
        m_editMenu->addActions(m_channelTable->RowActions());
        connect(m_channelTable, &ChannelTablePanel::message, this,
                [this](const QString& text) { m_statusPanes->showMessage(text); });
        // The View item follows the panel, also when a floating one is closed.
        connect(m_channelTable, &QDockWidget::visibilityChanged, this, [this](bool) {
            Command(command::kViewChannelTable)->setChecked(!m_channelTable->isHidden());
            for (QAction* action : m_channelTable->RowActions()) action->setEnabled(!m_channelTable->isHidden());
        });
    }
    m_channelTable->setVisible(shown);
    if (shown) m_channelTable->Table()->setFocus(Qt::OtherFocusReason);
    SaveChannelTable();
}

void CMainFrame::SaveChannelTable() const {
    QSettings settings = ProgramSettings(m_profile.shell.programTitle);
    settings.setValue(kTableShownKey, m_channelTable && !m_channelTable->isHidden());
    if (!m_channelTable) return;
    settings.setValue(kTableFloatingKey, m_channelTable->isFloating());
    settings.setValue(kTableAreaKey, int(dockWidgetArea(m_channelTable)));
    settings.setValue(kTableGeometryKey, m_channelTable->saveGeometry());
    m_channelTable->SaveColumns(settings);
}

void CMainFrame::CreateLanguageMenu(QMenu* viewMenu) {
    // Each language is named in itself. The tick shows the language of this
    // run; a choice is kept for the next start and switches this one.
    QMenu* menu = viewMenu->addMenu(Tr(m_profile.menu.language));
    const CommandPrompt& prompt = m_profile.prompts.language;
    const QString chosen = CurrentLanguage();
    auto* group = new QActionGroup(this);
    for (const Language& language : AvailableLanguages(m_profile)) {
        QAction* action = menu->addAction(language.name);
        action->setObjectName(QStringLiteral("language-") + language.code);
        action->setStatusTip(Tr(prompt.prompt).arg(language.name));
        action->setToolTip(Tr(prompt.tooltip).arg(language.name));
        action->setCheckable(true);
        action->setChecked(language.code == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = language.code] {
            KeepLanguage(m_profile, code);
            emit languageChosen(code);
        });
    }
}

void CMainFrame::CreatePortMenu() {
    QMenu* portMenu = menuBar()->addMenu(Tr(m_profile.menu.port));
    const auto& ids = m_profile.ids;
    const auto& prompts = m_profile.prompts;
    auto* group = new QActionGroup(this);
    QAction* com1 = AddCommand(ids.portCom1, m_profile.menu.portCom1, prompts.portCom1.prompt, prompts.portCom1.tooltip);
    QAction* com2 = AddCommand(ids.portCom2, m_profile.menu.portCom2, prompts.portCom2.prompt, prompts.portCom2.tooltip);
    for (QAction* action : {com1, com2}) {
        action->setCheckable(true);
        group->addAction(action);
        portMenu->addAction(action);
    }
    connect(com1, &QAction::triggered, this, [this] { m_transfer.SetMenuPort(QStringLiteral("COM1")); });
    connect(com2, &QAction::triggered, this, [this] { m_transfer.SetMenuPort(QStringLiteral("COM2")); });
    connect(portMenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshPortTicks);
    connect(portMenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshPortPrompts);
    RefreshPortTicks();
    RefreshPortPrompts();
}

// A model that uses the menu's port says which device each name stands for
// right now.
void CMainFrame::RefreshPortPrompts() {
    if (m_profile.rules.searchesPorts) return;
    const struct {
        int id;
        const char* name;
        const char* prompt;
    } ports[] = {{m_profile.ids.portCom1, "COM1", m_profile.prompts.portCom1.prompt},
                 {m_profile.ids.portCom2, "COM2", m_profile.prompts.portCom2.prompt}};
    for (const auto& [id, name, prompt] : ports) {
        const QString device = QString::fromStdString(SystemPortDirectory().Resolve(name).device);
        Command(id)->setStatusTip(Tr(m_profile.shell.portDevicePrompt)
                                 .arg(Tr(prompt), device.isEmpty() ? Tr(m_profile.shell.portNoDevice)
                                                                   : QDir::toNativeSeparators(device)));
    }
}

void CMainFrame::RefreshPortTicks() {
    const QString port = m_transfer.MenuPort();
    Command(m_profile.ids.portCom1)->setChecked(port == QLatin1String("COM1"));
    Command(m_profile.ids.portCom2)->setChecked(port == QLatin1String("COM2"));
}

void CMainFrame::CreateOperationMenu() {
    QMenu* operation = menuBar()->addMenu(Tr(m_profile.menu.operation));
    const auto& prompts = m_profile.prompts;
    QAction* write =
        AddCommand(m_profile.ids.write, m_profile.menu.operationWrite, prompts.write.prompt, prompts.write.tooltip);
    QAction* read =
        AddCommand(m_profile.ids.read, m_profile.menu.operationRead, prompts.read.prompt, prompts.read.tooltip);
    connect(write, &QAction::triggered, &m_transfer, &TransferCommands::Write);
    connect(read, &QAction::triggered, &m_transfer, &TransferCommands::Read);
    operation->addActions({write, read});
    operation->addSeparator();

    const WriteOptions options = m_transfer.Options();
    QAction* backup = AddCommand(m_profile.ids.backup, m_profile.menu.operationBackup, prompts.backup.prompt,
                                 prompts.backup.tooltip);
    backup->setCheckable(true);
    backup->setChecked(options.backupFirst);
    connect(backup, &QAction::toggled, &m_transfer, &TransferCommands::SetBackupFirst);
    QAction* verify = AddCommand(m_profile.ids.verify, m_profile.menu.operationVerify, prompts.verify.prompt,
                                 prompts.verify.tooltip);
    verify->setCheckable(true);
    verify->setChecked(options.verifyAfter);
    connect(verify, &QAction::toggled, &m_transfer, &TransferCommands::SetVerifyAfter);
    const WritePreviewTexts& preview = m_profile.preview;
    QAction* changes =
        AddCommand(command::kOperationPreview, preview.command, preview.prompt.prompt, preview.prompt.tooltip);
    changes->setCheckable(true);
    changes->setChecked(options.previewFirst);
    connect(changes, &QAction::toggled, &m_transfer, &TransferCommands::SetPreviewFirst);
    QAction* folder = AddCommand(m_profile.ids.openBackups, m_profile.menu.operationOpenBackups,
                                 prompts.openBackups.prompt, prompts.openBackups.tooltip);
    connect(folder, &QAction::triggered, &m_transfer, &TransferCommands::OpenBackupFolder);
    const BackupListTexts& backups = m_profile.backups;
    QAction* list = AddCommand(command::kOperationBackups, backups.command, backups.prompt.prompt, backups.prompt.tooltip);
    connect(list, &QAction::triggered, this, [this] { m_transfer.ShowBackups(this); });
    operation->addActions({backup, verify, changes});
    operation->addSeparator();
    operation->addActions({list, folder});

    // Not in a menu: Esc anywhere in the window, and the button the status
    // bar shows while a transfer runs.
    m_stopAction = new QAction(Tr(m_profile.shell.stop), this);
    m_stopAction->setObjectName(QStringLiteral("stop"));
    m_stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_stopAction, &QAction::triggered, &m_transfer, &TransferCommands::Stop);
    addAction(m_stopAction);
    m_statusPanes->StopButton()->setDefaultAction(m_stopAction);
}

void CMainFrame::CreateHelpMenu() {
    QMenu* help = menuBar()->addMenu(Tr(m_profile.menu.help));
    const GuideTexts& guide = m_profile.guide;
    QAction* manual = AddCommand(command::kHelpGuide, guide.command, guide.prompt.prompt, guide.prompt.tooltip);
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    connect(manual, &QAction::triggered, this, [this] { OpenUserGuide(m_profile); });
    help->addAction(manual);
    help->addSeparator();
    QAction* about = AddCommand(command::kAppAbout, m_profile.menu.helpAbout, nullptr, nullptr);
    connect(about, &QAction::triggered, this, &CMainFrame::ShowAbout);
    help->addAction(about);
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setWindowTitle(QString(Tr(m_profile.menu.viewToolbar)).remove(QLatin1Char('&')));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const QSize imageSize(m_profile.toolbarButtonWidth, 15);
    m_toolBar->setIconSize(imageSize);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const std::pair<int, ToolbarImage> buttons[] = {
        {command::kFileNew, ToolbarImage::New},   {command::kFileOpen, ToolbarImage::Open},
        {command::kFileSave, ToolbarImage::Save}, {0, ToolbarImage::New},
        {m_profile.ids.read, ToolbarImage::Read}, {m_profile.ids.write, ToolbarImage::Write},
    };
    for (const auto& [id, image] : buttons) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = Command(id);
        action->setIcon(ToolbarIcon(image, imageSize));
        m_toolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action))) {
            button->setAutoRaise(true);
            button->setAccessibleName(action->toolTip());
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    // The View item follows the bar, also when a floating bar is closed.
    QAction* toggle = Command(command::kViewToolbar);
    connect(toggle, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, this, [this, toggle](bool) {
        // visibilityChanged also fires while the window is minimised; follow
        // the bar's own hidden state instead.
        toggle->setChecked(!m_toolBar->isHidden());
    });
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(m_files.DisplayName() + QStringLiteral("[*] - ") + Tr(m_profile.documentType.windowTitle));
    setWindowModified(m_files.Document().IsModified());
}

void CMainFrame::ShowAbout() {
    CAboutDlg about(m_profile, windowIcon(), this);
    about.exec();
}

void CMainFrame::FitToForm() {
    QSize bound = size();
    // A docked channel table widens the window as far as the screen allows,
    // taking what the form leaves of it.
    const Qt::DockWidgetArea area = m_channelTable ? dockWidgetArea(m_channelTable) : Qt::NoDockWidgetArea;
    if (m_channelTable && !m_channelTable->isHidden() && !m_channelTable->isFloating() && screen() &&
        (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)) {
        const int screenWidth = screen()->availableGeometry().width();
        bound.setWidth(std::max(bound.width(), screenWidth));
        resize(bound);
        const int room = screenWidth - m_view.sizeHint().width() - 2 * m_scroll->verticalScrollBar()->sizeHint().width();
        resizeDocks({m_channelTable}, {std::clamp(m_channelTable->PreferredWidth(), 0, std::max(room, 200))}, Qt::Horizontal);
    }
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
    SaveChannelTable();
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);  // the base of all three
        if (!DraggedFile(drop->mimeData()).isEmpty()) {
            if (type == QEvent::Drop)
                dropEvent(drop);
            else
                drop->acceptProposedAction();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    activateWindow();
    OpenFile(path);
}
