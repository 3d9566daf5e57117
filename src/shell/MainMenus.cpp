#include "MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "AboutDialog.h"
#include "ChannelSheet.h"
#include "ChannelTableFiles.h"
#include "CommandSet.h"
#include "DocumentFiles.h"
#include "HistoryCommands.h"
#include "Languages.h"
#include "ModelProfile.h"
#include "StatusPanes.h"
#include "Texts.h"
#include "TransferCommands.h"
#include "UserGuide.h"

namespace rk {

FileMenu AddFileMenu(const MenuPlace& place, DocumentFiles& files, ChannelTableFiles& tables, StatusPanes& status) {
    const ModelProfile& profile = place.profile;
    CommandSet& commands = place.commands;
    const auto& menu = profile.menu;
    const auto& prompts = profile.prompts;
    QMenu* fileMenu = place.window.menuBar()->addMenu(Tr(menu.file));

    QAction* newFile = commands.Add(command::kFileNew, menu.fileNew, prompts.fileNew.prompt, prompts.fileNew.tooltip);
    newFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QObject::connect(newFile, &QAction::triggered, &files, &DocumentFiles::New);

    QAction* open = commands.Add(command::kFileOpen, menu.fileOpen, prompts.fileOpen.prompt, prompts.fileOpen.tooltip);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(open, &QAction::triggered, &files, &DocumentFiles::OpenWithDialog);

    QAction* save = commands.Add(command::kFileSave, menu.fileSave, prompts.fileSave.prompt, prompts.fileSave.tooltip);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, &files, &DocumentFiles::Save);

    QAction* saveAs =
        commands.Add(command::kFileSaveAs, menu.fileSaveAs, prompts.fileSaveAs.prompt, prompts.fileSaveAs.tooltip);
    QObject::connect(saveAs, &QAction::triggered, &files, &DocumentFiles::SaveAs);

    fileMenu->addActions({newFile, open, save, saveAs});
    fileMenu->addSeparator();

    const auto& table = profile.channelTable;
    QAction* exportTable = commands.Add(command::kFileExportTable, table.exportCommand, table.exportPrompt.prompt,
                                        table.exportPrompt.tooltip);
    QObject::connect(exportTable, &QAction::triggered, &tables, &ChannelTableFiles::Export);
    QAction* importTable = commands.Add(command::kFileImportTable, table.importCommand, table.importPrompt.prompt,
                                        table.importPrompt.tooltip);
    QObject::connect(importTable, &QAction::triggered, &tables, &ChannelTableFiles::Import);
    QObject::connect(&tables, &ChannelTableFiles::Summary, &place.window,
                     [&status](const QString& text) { status.showMessage(text); });
    fileMenu->addActions({exportTable, importTable});
    const ChannelTableViewTexts& sheet = profile.tableView;
    QAction* print = commands.Add(command::kFilePrintTable, sheet.print, sheet.printPrompt.prompt, sheet.printPrompt.tooltip);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QMainWindow* window = &place.window;
    QObject::connect(print, &QAction::triggered, window,
                     [&profile, &files, window] { PrintChannelSheet(profile, files, window); });
    QAction* pdf = commands.Add(command::kFileExportTablePdf, sheet.exportPdf, sheet.exportPdfPrompt.prompt,
                                sheet.exportPdfPrompt.tooltip);
    QObject::connect(pdf, &QAction::triggered, window, [&profile, &files] { ExportChannelSheetPdf(profile, files); });
    fileMenu->addActions({print, pdf});
    fileMenu->addSeparator();
    QAction* recentPlace = fileMenu->addSeparator();
    QAction* exit = commands.Add(command::kAppExit, menu.fileExit, prompts.fileExit.prompt, prompts.fileExit.tooltip);
    QObject::connect(exit, &QAction::triggered, window, &QWidget::close);
    fileMenu->addAction(exit);
    return {fileMenu, recentPlace};
}

QMenu* AddEditMenu(const MenuPlace& place, DocumentFiles& files, FormView& view) {
    const auto& menu = place.profile.menu;
    QMenu* editMenu = place.window.menuBar()->addMenu(Tr(menu.edit));
    QAction* undo = place.commands.Add(command::kEditUndo, menu.editUndo, nullptr, nullptr);
    QAction* redo = place.commands.Add(command::kEditRedo, menu.editRedo, nullptr, nullptr);
    editMenu->addActions({undo, redo});
    place.window.addActions({undo, redo});
    new HistoryCommands(place.profile, files.Document(), view, undo, redo, &place.window);
    return editMenu;
}

namespace {

// Each language is named in itself. The tick shows the language of this run;
// a choice is kept for the next start and switches this one.
void AddLanguageMenu(const MenuPlace& place, QMenu* viewMenu, std::function<void(const QString&)> languageChosen) {
    const ModelProfile& profile = place.profile;
    QMenu* menu = viewMenu->addMenu(Tr(profile.menu.language));
    const CommandPrompt& prompt = profile.prompts.language;
    const QString chosen = CurrentLanguage();
    auto* group = new QActionGroup(&place.window);
    for (const Language& language : AvailableLanguages(profile)) {
        QAction* action = menu->addAction(language.name);
        action->setObjectName(QStringLiteral("language-") + language.code);
        action->setStatusTip(Tr(prompt.prompt).arg(language.name));
        action->setToolTip(Tr(prompt.tooltip).arg(language.name));
        action->setCheckable(true);
        action->setChecked(language.code == chosen);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &place.window, [&profile, languageChosen, code = language.code] {
            KeepLanguage(profile, code);
            languageChosen(code);
        });
    }
}

}  // namespace

void AddViewMenu(const MenuPlace& place, StatusPanes& status, std::function<void(bool)> showTable,
                 std::function<void(const QString&)> languageChosen) {
    const ModelProfile& profile = place.profile;
    QMenu* viewMenu = place.window.menuBar()->addMenu(Tr(profile.menu.view));
    const auto& prompts = profile.prompts;

    QAction* toolbar = place.commands.Add(command::kViewToolbar, profile.menu.viewToolbar, prompts.viewToolbar.prompt,
                                          prompts.viewToolbar.tooltip);
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    viewMenu->addAction(toolbar);

    QAction* statusBar = place.commands.Add(command::kViewStatusBar, profile.menu.viewStatusBar,
                                            prompts.viewStatusBar.prompt, prompts.viewStatusBar.tooltip);
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    QObject::connect(statusBar, &QAction::toggled, &status, &QWidget::setVisible);
    viewMenu->addAction(statusBar);

    const ChannelTableViewTexts& table = profile.tableView;
    QAction* channels =
        place.commands.Add(command::kViewChannelTable, table.command, table.prompt.prompt, table.prompt.tooltip);
    channels->setCheckable(true);
    channels->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(channels, &QAction::toggled, &place.window, std::move(showTable));
    viewMenu->addAction(channels);
    AddLanguageMenu(place, viewMenu, std::move(languageChosen));
}

QAction* AddOperationMenu(const MenuPlace& place, TransferCommands& transfer, StatusPanes& status,
                          std::function<void()> writeSeries) {
    const ModelProfile& profile = place.profile;
    CommandSet& commands = place.commands;
    QMenu* operation = place.window.menuBar()->addMenu(Tr(profile.menu.operation));
    const auto& prompts = profile.prompts;
    QAction* write =
        commands.Add(profile.ids.write, profile.menu.operationWrite, prompts.write.prompt, prompts.write.tooltip);
    QAction* read = commands.Add(profile.ids.read, profile.menu.operationRead, prompts.read.prompt, prompts.read.tooltip);
    QObject::connect(write, &QAction::triggered, &transfer, &TransferCommands::Write);
    QObject::connect(read, &QAction::triggered, &transfer, &TransferCommands::Read);
    const SeriesTexts& seriesTexts = profile.series;
    QAction* series = commands.Add(command::kOperationSeries, seriesTexts.command, seriesTexts.prompt.prompt,
                                   seriesTexts.prompt.tooltip);
    QObject::connect(series, &QAction::triggered, &place.window, std::move(writeSeries));
    operation->addActions({write, series, read});
    operation->addSeparator();

    const WriteOptions options = transfer.Options();
    QAction* backup =
        commands.Add(profile.ids.backup, profile.menu.operationBackup, prompts.backup.prompt, prompts.backup.tooltip);
    backup->setCheckable(true);
    backup->setChecked(options.backupFirst);
    QObject::connect(backup, &QAction::toggled, &transfer, &TransferCommands::SetBackupFirst);
    QAction* verify =
        commands.Add(profile.ids.verify, profile.menu.operationVerify, prompts.verify.prompt, prompts.verify.tooltip);
    verify->setCheckable(true);
    verify->setChecked(options.verifyAfter);
    QObject::connect(verify, &QAction::toggled, &transfer, &TransferCommands::SetVerifyAfter);
    const WritePreviewTexts& preview = profile.preview;
    QAction* changes =
        commands.Add(command::kOperationPreview, preview.command, preview.prompt.prompt, preview.prompt.tooltip);
    changes->setCheckable(true);
    changes->setChecked(options.previewFirst);
    QObject::connect(changes, &QAction::toggled, &transfer, &TransferCommands::SetPreviewFirst);
    QAction* folder = commands.Add(profile.ids.openBackups, profile.menu.operationOpenBackups,
                                   prompts.openBackups.prompt, prompts.openBackups.tooltip);
    QObject::connect(folder, &QAction::triggered, &transfer, &TransferCommands::OpenBackupFolder);
    const BackupListTexts& backups = profile.backups;
    QAction* list = commands.Add(command::kOperationBackups, backups.command, backups.prompt.prompt, backups.prompt.tooltip);
    QMainWindow* window = &place.window;
    QObject::connect(list, &QAction::triggered, window, [&transfer, window] { transfer.ShowBackups(window); });
    operation->addActions({backup, verify, changes});
    operation->addSeparator();
    operation->addActions({list, folder});

    auto* stop = new QAction(Tr(profile.shell.stop), window);
    stop->setObjectName(QStringLiteral("stop"));
    stop->setShortcut(QKeySequence(Qt::Key_Escape));
    stop->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(stop, &QAction::triggered, &transfer, &TransferCommands::Stop);
    window->addAction(stop);
    status.StopButton()->setDefaultAction(stop);
    return stop;
}

void AddHelpMenu(const MenuPlace& place) {
    const ModelProfile& profile = place.profile;
    QMenu* help = place.window.menuBar()->addMenu(Tr(profile.menu.help));
    const GuideTexts& guide = profile.guide;
    QAction* manual = place.commands.Add(command::kHelpGuide, guide.command, guide.prompt.prompt, guide.prompt.tooltip);
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    QMainWindow* window = &place.window;
    QObject::connect(manual, &QAction::triggered, window, [&profile, window] { OpenUserGuide(profile, window); });
    help->addAction(manual);
    help->addSeparator();
    QAction* about = place.commands.Add(command::kAppAbout, profile.menu.helpAbout, nullptr, nullptr);
    QObject::connect(about, &QAction::triggered, window, [&profile, window] {
        CAboutDlg dialog(profile, window->windowIcon(), window);
        dialog.exec();
    });
    help->addAction(about);
}

}  // namespace rk
