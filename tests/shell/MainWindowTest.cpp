// The real main window of each program, driven through its commands.

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <memory>

#include "BackupStore.h"
#include "CloneLink.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "MainFrame.h"
#include "ModelProfile.h"
#include "PermissionsBind.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "TransferCommands.h"
#include "Rk7400Profile.h"
#include "StatusPanes.h"
#include "SettingsLocation.h"
#include "TestFiles.h"
#include "Programs.h"
#include "TestRunner.h"

using rk::test::ReadFile;
using rk::test::RecordingPrompts;
using rk::test::Utf;
using rk::test::WriteFile;

using rk::command::kFileNew;

namespace {

QByteArray ImageFileBytes(char fill, int size = 1089) { return QByteArray(size, fill); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
public:
    explicit MainWindowTest(const rk::ModelProfile& profile) : m_profile(profile) {}

private:
    void SetImageByte(std::size_t offset, std::uint8_t value) {
        m_program->Document().Edit([&](rk::RadioImage& image) { image[offset] = value; });
    }

private slots:
    void init() { QVERIFY(rk::test::StartFresh(m_profile, m_prompts, m_program)); }
    void cleanup() {
        m_program.reset();
        m_prompts.reset();
    }

    void startsWithUntitledDocument() {
        CMainFrame& frame = m_program->MainFrame();
        QCOMPARE(frame.windowTitle(), Utf(m_profile.shell.untitledName) + "[*] - " +
                                          Utf(m_profile.documentType.windowTitle));
        QVERIFY(!frame.isWindowModified());
        QCOMPARE(m_program->Document().Image().Settings().totLimit(), 50);
        QVERIFY(frame.Command(m_profile.ids.portCom1)->isChecked());
        QVERIFY(!frame.Command(m_profile.ids.portCom2)->isChecked());
        QCOMPARE(frame.StatusPanes()->IdleText(), Utf(m_profile.shell.idleStatus));
    }

    void menusCarryTheModelsCaptions() {
        const auto& m = m_profile.menu;
        const QMenuBar* bar = m_program->MainFrame().menuBar();
        QStringList titles;
        for (QAction* a : bar->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{Utf(m.file), Utf(m.edit), Utf(m.view), Utf(m.port), Utf(m.operation), Utf(m.help)}));

        QStringList fileItems;
        for (QAction* a : bar->actions().first()->menu()->actions())
            fileItems << (a->isSeparator() ? QStringLiteral("-") : a->text());
        const auto& table = m_profile.channelTable;
        QCOMPARE(fileItems, (QStringList{Utf(m.fileNew), Utf(m.fileOpen), Utf(m.fileSave), Utf(m.fileSaveAs), "-",
                                         Utf(table.exportCommand), Utf(table.importCommand),
                                         Utf(m_profile.tableView.print), Utf(m_profile.tableView.exportPdf), "-",
                                         Utf(m.recentPlaceholder), "-", Utf(m.fileExit)}));

        CMainFrame& frame = m_program->MainFrame();
        QCOMPARE(frame.Command(kFileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(frame.Command(rk::command::kFileOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(frame.Command(rk::command::kFileSave)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(frame.Command(m_profile.ids.write)->text(), Utf(m.operationWrite));
        QCOMPARE(frame.Command(m_profile.ids.read)->text(), Utf(m.operationRead));
        QCOMPARE(frame.Command(m_profile.ids.read)->statusTip(), Utf(m_profile.prompts.read.prompt));
        QCOMPARE(frame.Command(rk::command::kAppAbout)->text(), Utf(m.helpAbout));

        // The write options follow the transfer commands, all on at first
        // start; the write to several radios comes right after the write.
        QStringList operationItems;
        for (QAction* a : bar->actions().at(4)->menu()->actions())
            operationItems << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(operationItems, (QStringList{Utf(m.operationWrite), Utf(m_profile.series.command),
                                              Utf(m.operationRead), "-", Utf(m.operationBackup),
                                              Utf(m.operationVerify), Utf(m_profile.preview.command), "-",
                                              Utf(m_profile.backups.command), Utf(m.operationOpenBackups)}));
        QVERIFY(frame.Command(m_profile.ids.backup)->isChecked() && frame.Command(m_profile.ids.verify)->isChecked());
        QVERIFY(frame.Command(rk::command::kOperationPreview)->isChecked());
        QCOMPARE(frame.StopAction()->shortcut(), QKeySequence(Qt::Key_Escape));
    }

    void toolbarHoldsItsButtonsInOrder() {
        QToolBar* bar = m_program->MainFrame().ToolBar();
        QList<int> ids;
        for (QAction* a : bar->actions()) ids << (a->isSeparator() ? 0 : a->objectName().mid(7).toInt());
        QCOMPARE(ids, (QList<int>{kFileNew, rk::command::kFileOpen, rk::command::kFileSave, 0, m_profile.ids.read,
                                  m_profile.ids.write}));
        QCOMPARE(bar->iconSize(), QSize(m_profile.toolbarButtonWidth, 15));
        QVERIFY(bar->isMovable() && bar->isFloatable());
        QCOMPARE(m_program->MainFrame().toolBarArea(bar), Qt::TopToolBarArea);
    }

    void viewMenuTicksFollowTheBars() {
        CMainFrame& frame = m_program->MainFrame();
        QAction* toolbar = frame.Command(rk::command::kViewToolbar);
        QAction* status = frame.Command(rk::command::kViewStatusBar);
        QVERIFY(toolbar->isChecked() && status->isChecked());
        toolbar->trigger();
        QVERIFY(frame.ToolBar()->isHidden());
        QVERIFY(!toolbar->isChecked());
        toolbar->trigger();
        QVERIFY(!frame.ToolBar()->isHidden());
        QVERIFY(toolbar->isChecked());
        frame.ToolBar()->hide();  // as when a floating bar is closed
        QVERIFY(!toolbar->isChecked());
        status->trigger();
        QVERIFY(frame.StatusPanes()->isHidden());
        QVERIFY(!status->isChecked());
    }

    void portChoiceSurvivesNewAndOpen() {
        CMainFrame& frame = m_program->MainFrame();
        frame.Command(m_profile.ids.portCom2)->trigger();
        QCOMPARE(m_program->Transfer().MenuPort(), QStringLiteral("COM2"));
        frame.Command(kFileNew)->trigger();
        QTemporaryDir dir;
        const QString path = dir.filePath("a.bin");
        WriteFile(path, ImageFileBytes(0));
        QVERIFY(frame.OpenFile(path));
        QCOMPARE(m_program->Transfer().MenuPort(), QStringLiteral("COM2"));
        QVERIFY(frame.Command(m_profile.ids.portCom2)->isChecked());
        QVERIFY(!frame.Command(m_profile.ids.portCom1)->isChecked());
        frame.Command(m_profile.ids.portCom1)->trigger();
        QCOMPARE(m_program->Transfer().MenuPort(), QStringLiteral("COM1"));
    }

    void openShowsFileNameAndImage() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fleet") + Utf(m_profile.rules.extension));
        QByteArray bytes = ImageFileBytes(0x11);
        bytes.append("trailing bytes are ignored");
        WriteFile(path, bytes);
        m_prompts->fileNames.enqueue(path);
        m_program->MainFrame().Command(rk::command::kFileOpen)->trigger();
        QCOMPARE(m_program->MainFrame().windowTitle().section("[*]", 0, 0), QFileInfo(path).fileName());
        QCOMPARE(m_program->Document().Image()[1087], 0x11);
        QCOMPARE(m_program->Files().FilePath(), QFileInfo(path).absoluteFilePath());
    }

    // Either program opens the other's files, so Open offers both types; Save
    // keeps to the program's own.
    void openDialogOffersBothModelsFiles() {
        CMainFrame& frame = m_program->MainFrame();
        frame.Command(rk::command::kFileOpen)->trigger();
        frame.Command(rk::command::kFileSaveAs)->trigger();
        QCOMPARE(m_prompts->filters.size(), 2);
        const QStringList open = m_prompts->filters[0].split(";;");
        const QString own = Utf(m_profile.documentType.filterName);
        QVERIFY2(open[0].contains("*.rkd") && open[0].contains("*.zu1"), qPrintable(open[0]));
        QVERIFY(open.contains(own));
        QVERIFY(open.filter("(*.rkd)").size() == 1 && open.filter("(*.zu1)").size() == 1);
        QVERIFY(open.last().endsWith("(*)"));
        QCOMPARE(m_prompts->filters[1], own);
        for (const QString& entry : open) QVERIFY2(!entry.contains('?'), qPrintable(entry));
    }

    // The file dialogs start in the document's folder, else in the last folder
    // used (in a later run too), else at home; never simply in the folder the
    // program was started from.
    void dialogsStartWhereTheUserWorks() {
        const QString home = QDir::homePath();
        QTemporaryDir startedIn;
        QVERIFY(QDir::setCurrent(startedIn.path()));
        CMainFrame& frame = m_program->MainFrame();
        frame.Command(rk::command::kFileOpen)->trigger();
        frame.Command(rk::command::kFileSaveAs)->trigger();
        QCOMPARE(m_prompts->suggestedPaths,
                 QStringList{QDir(home).filePath(Utf(m_profile.documentType.newFileName) +
                                                 Utf(m_profile.rules.extension))});

        QTemporaryDir work;
        const QString path = work.filePath("fleet.rkd");
        WriteFile(path, ImageFileBytes(0));
        QVERIFY(frame.OpenFile(path));
        frame.Command(rk::command::kFileOpen)->trigger();
        frame.Command(kFileNew)->trigger();
        frame.Command(rk::command::kFileOpen)->trigger();

        m_program.reset();
        m_program = rk::test::MakeProgram(m_profile);
        QVERIFY(m_program->Start({}));
        m_program->MainFrame().Command(rk::command::kFileOpen)->trigger();
        QCOMPARE(m_prompts->openFolders, (QStringList{home, work.path(), work.path(), work.path()}));
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    void failedOpenLeavesDocumentAsItWas_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << 0 << true << Utf(m_profile.shell.unexpectedFormat);
        QTest::newRow("bare image") << 1088 << true << Utf(m_profile.shell.unexpectedFormat);
        QTest::newRow("1000 bytes") << 1000 << true << Utf(m_profile.shell.unexpectedFormat);
        QTest::newRow("missing") << 0 << false << Utf(m_profile.shell.cannotOpenFile);
    }
    void failedOpenLeavesDocumentAsItWas() {
        QFETCH(int, size);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString good = dir.filePath("good.rkd");
        WriteFile(good, ImageFileBytes(0x22));
        QVERIFY(m_program->MainFrame().OpenFile(good));
        m_program->Document().EditChannel(3, [](const rk::ChannelRecord& r) { r.setRxFreq(14'501'250); });
        const rk::RadioImage before = m_program->Document().Image();
        const auto validBefore = m_program->Document().ValidChannels();
        const QString titleBefore = m_program->MainFrame().windowTitle();

        const QString bad = dir.filePath("bad.rkd");
        if (exists) WriteFile(bad, ImageFileBytes(0x33, size));
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Discard);
        QVERIFY(!m_program->MainFrame().OpenFile(bad));
        QCOMPARE(m_prompts->messages, QStringList{message.arg(QDir::toNativeSeparators(bad))});
        QVERIFY(m_program->Document().Image() == before);
        QVERIFY(m_program->Document().ValidChannels() == validBefore);
        QCOMPARE(m_program->MainFrame().windowTitle(), titleBefore);
        QCOMPARE(m_program->Files().FilePath(), QFileInfo(good).absoluteFilePath());
    }

    void saveWritesImageAndTrailingZero() {
        QTemporaryDir dir;
        const QString path = dir.filePath("saved");
        SetImageByte(1087, 0xA5);
        QVERIFY(m_program->MainFrame().isWindowModified());
        m_prompts->fileNames.enqueue(path);
        m_program->MainFrame().Command(rk::command::kFileSave)->trigger();
        QCOMPARE(m_prompts->suggestedPaths.size(), 1);
        QVERIFY(m_prompts->suggestedPaths.first().endsWith(Utf(m_profile.documentType.newFileName) +
                                                           Utf(m_profile.rules.extension)));
        const QString written = path + Utf(m_profile.rules.extension);
        const QByteArray bytes = ReadFile(written);
        QCOMPARE(bytes.size(), 1089);
        QCOMPARE(quint8(bytes[1087]), 0xA5);
        QCOMPARE(quint8(bytes[1088]), 0);
        QCOMPARE(quint8(bytes[12]), 3);
        QVERIFY(!m_program->MainFrame().isWindowModified());

        // A second Save goes to the same file without asking.
        SetImageByte(0, 0x01);
        m_program->MainFrame().Command(rk::command::kFileSave)->trigger();
        QCOMPARE(m_prompts->suggestedPaths.size(), 1);
        QCOMPARE(quint8(ReadFile(written)[0]), 0x01);
    }

    // No temporary file can be made beside a file in a read-only folder, so
    // the atomic save gives way to writing the file in place.
    void saveOverWritableFileInReadOnlyFolder() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("read-only");
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + "/fleet.rkd";
        WriteFile(path, ImageFileBytes(0x11));
        QVERIFY(m_program->MainFrame().OpenFile(path));
        SetImageByte(0, 0x22);

        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        {
            const rk::test::PermissionsBind bind;
            if (bind) m_program->MainFrame().Command(rk::command::kFileSave)->trigger();
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            if (!bind) QSKIP("folder permissions do not bind here (root without the means, or Windows)");
        }
        QCOMPARE(m_prompts->messages, QStringList{});
        QCOMPARE(quint8(ReadFile(path)[0]), 0x22);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"fleet.rkd"});
        QVERIFY(!m_program->Document().IsModified());
    }

    void failedSaveReportsAndKeepsChanges() {
        QTemporaryDir dir;
        WriteFile(dir.filePath("file"), "x");
        const QString impossible = dir.filePath("file/below-a-file.rkd");
        SetImageByte(1080, 0x5A);  // any change
        m_prompts->fileNames.enqueue(impossible);
        m_program->MainFrame().Command(rk::command::kFileSaveAs)->trigger();
        QCOMPARE(m_prompts->messages,
                 QStringList{Utf(m_profile.shell.cannotWriteFile).arg(QDir::toNativeSeparators(impossible))});
        QVERIFY(m_program->Document().IsModified());
        QVERIFY(m_program->Files().FilePath().isEmpty());
    }

    void savePromptGuardsUnsavedChanges() {
        CMainFrame& frame = m_program->MainFrame();
        QTemporaryDir dir;
        SetImageByte(5, 0x42);

        // Cancel: nothing happens.
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Cancel);
        frame.Command(kFileNew)->trigger();
        QCOMPARE(m_prompts->questions.size(), 1);
        QCOMPARE(m_prompts->questions.first(),
                 Utf(m_profile.shell.saveChangesQuestion).arg(Utf(m_profile.shell.untitledName)));
        QCOMPARE(m_program->Document().Image()[5], 0x42);
        QVERIFY(m_program->Document().IsModified());

        // Save, then the dialog is cancelled: still nothing happens.
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Save);
        frame.Command(kFileNew)->trigger();
        QCOMPARE(m_program->Document().Image()[5], 0x42);

        // Save into a file: the file holds the edit and the new document follows.
        const QString path = dir.filePath("kept.rkd");
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Save);
        m_prompts->fileNames.enqueue(path);
        frame.Command(kFileNew)->trigger();
        QCOMPARE(quint8(ReadFile(path)[5]), 0x42);
        QCOMPARE(m_program->Document().Image()[5], 0);
        QVERIFY(!m_program->Document().IsModified());

        // Discard: the edit is dropped, and an unchanged document asks nothing.
        SetImageByte(5, 0x43);
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Discard);
        frame.Command(kFileNew)->trigger();
        QCOMPARE(m_program->Document().Image()[5], 0);
        const auto asked = m_prompts->questions.size();
        frame.Command(kFileNew)->trigger();
        QCOMPARE(m_prompts->questions.size(), asked);
    }

    void exitAsksOnlyWithUnsavedChanges() {
        CMainFrame& frame = m_program->MainFrame();
        SetImageByte(1080, 0x5A);  // any change
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Cancel);
        frame.Command(rk::command::kAppExit)->trigger();
        QVERIFY(frame.isVisible());
        QCOMPARE(m_prompts->questions.size(), 1);
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Discard);
        frame.Command(rk::command::kAppExit)->trigger();
        QVERIFY(!frame.isVisible());
    }

    void recentListKeepsLastFourNewestFirst() {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 1; i <= 5; ++i) {
            paths << dir.filePath(QStringLiteral("f%1.rkd").arg(i));
            WriteFile(paths.last(), ImageFileBytes(char(i)));
            QVERIFY(m_program->MainFrame().OpenFile(paths.last()));
        }
        QStringList shown;
        for (int i = 0; i < 5; ++i)
            if (QAction* a = m_program->MainFrame().Command(rk::command::kFirstRecentFile + i)) shown << a->text();
        const auto item = [&](int n, int file) { return QStringLiteral("&%1 ").arg(n) + QDir::toNativeSeparators(paths[file]); };
        QCOMPARE(shown, (QStringList{item(1, 4), item(2, 3), item(3, 2), item(4, 1)}));

        // Choosing an entry opens it and moves it to the front; the list is
        // kept in the settings for the next start.
        m_program->MainFrame().Command(rk::command::kFirstRecentFile + 3)->trigger();
        QCOMPARE(m_program->Document().Image()[0], 2);
        QSettings settings(QString::fromLatin1(rk::kSettingsOrganization), Utf(m_profile.shell.programTitle));
        QCOMPARE(settings.value("Recent File List/File1").toString(), paths[1]);
        QCOMPARE(settings.value("Recent File List/File4").toString(), paths[2]);
    }

    void droppedFileOpens() {
        QTemporaryDir dir;
        const QString path = dir.filePath("dropped.zu1");
        WriteFile(path, ImageFileBytes(0x5A));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        CMainFrame& frame = m_program->MainFrame();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &drop);
        QCOMPARE(m_program->Document().Image()[100], 0x5A);
        QCOMPARE(m_program->Files().FilePath(), QFileInfo(path).absoluteFilePath());
    }

    // An edit field takes drops itself: a file dropped there opens as
    // anywhere else on the window, while dropped text still goes in.
    void fileDroppedOnEditFieldOpens() {
        auto* edit = qobject_cast<QLineEdit*>(m_program->View().Control(rk::ctl::kRxFreq));
        QVERIFY(edit);
        const auto dropOnEdit = [edit](QMimeData& mime) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(edit, &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(edit, &drop);
            return enter.isAccepted();
        };
        QMimeData text;
        text.setText("145.5");
        QVERIFY(dropOnEdit(text));
        QVERIFY2(edit->text().contains("145.5"), qPrintable(edit->text()));
        QVERIFY(m_program->Files().FilePath().isEmpty());

        QTemporaryDir dir;
        const QString path = dir.filePath("dropped.rkd");
        WriteFile(path, ImageFileBytes(0x5A));
        QMimeData file;  // as file managers offer it: the URL, and the URL as text
        file.setUrls({QUrl::fromLocalFile(path)});
        file.setText(QUrl::fromLocalFile(path).toString());
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Discard);
        QVERIFY(dropOnEdit(file));
        QCOMPARE(m_program->Files().FilePath(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(m_program->Document().Image()[100], 0x5A);
        QVERIFY2(!edit->text().contains("file:"), qPrintable(edit->text()));
        QCOMPARE(m_prompts->messages, QStringList{});
    }

    void standardButtonsSpeakTheProgramsLanguage() {
        rk::PrepareApplication(*qApp, m_profile);
        QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel);
        const QString expected = QString::fromUtf8(m_profile.language == std::string("ru") ? "Отмена" : "取消");
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), expected);
        QCOMPARE(QCoreApplication::applicationName(), Utf(m_profile.shell.programTitle));
        QCOMPARE(QCoreApplication::organizationName(), QString::fromLatin1(rk::kSettingsOrganization));
        // The command line finds the backups from the program name alone.
        QCOMPARE(rk::BackupStore::FolderFor(Utf(m_profile.rules.programName)),
                 QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/backups");
    }

    void windowIconIsTheModelsArtwork() {
        rk::PrepareApplication(*qApp, m_profile);
        const QImage icon = QApplication::windowIcon().pixmap(48).toImage();
        QVERIFY(!icon.isNull());
        // The radio's body is red on rk520 and blue on rk7400.
        const QColor body = icon.pixelColor(12, 40);
        QCOMPARE(body.red() > body.blue(), m_profile.rules.programName == std::string("rk520"));
    }

    void startWithUnreadableFileFails() {
        RecordingPrompts prompts;
        auto program = rk::test::MakeProgram(m_profile);
        QVERIFY(!program->Start({QStringLiteral("/nonexistent/radio.rkd")}));
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(!program->MainFrame().isVisible());
    }

private:
    const rk::ModelProfile& m_profile;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<rk::ProgramShell> m_program;
};

RK_TEST_MAIN_PER_MODEL(MainWindowTest)

#include "MainWindowTest.moc"
