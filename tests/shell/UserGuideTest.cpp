// Help > User guide in both programs: F1 opens the guide's page of the
// language the window speaks (the program's own, or English for any other),
// a missing page or no browser gives the page's file in a message, and the
// About box says where the guide is.

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "Languages.h"
#include "MainFrame.h"
#include "ProgramShell.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "OpenedUrls.h"
#include "Programs.h"
#include "TestRunner.h"
#include "Texts.h"

using namespace rk;
using rk::test::RecordingPrompts;

class UserGuideTest : public QObject {
    Q_OBJECT
private slots:
    void f1OpensThePageOfTheWindowsLanguage_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("rk520 zh") << "rk520" << "zh" << "rk520-zh/index.html";
        QTest::newRow("rk520 en") << "rk520" << "en" << "rk520-en/index.html";
        QTest::newRow("rk7400 ru") << "rk7400" << "ru" << "rk7400-ru/index.html";
        QTest::newRow("rk7400 en") << "rk7400" << "en" << "rk7400-en/index.html";
    }
    void f1OpensThePageOfTheWindowsLanguage() {
        QFETCH(QString, program);
        QFETCH(QString, language);
        QFETCH(QString, page);
        QTemporaryDir guide;
        // Every page exists, so that only the language decides.
        for (const char* name : {"rk520-zh", "rk520-en", "rk7400-ru", "rk7400-en"}) {
            QVERIFY(QDir(guide.path()).mkpath(name));
            QFile file(guide.filePath(QString::fromLatin1(name) + "/index.html"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        qputenv("RK_GUIDE_DIR", guide.path().toUtf8());
        RecordingPrompts prompts;
        const ModelProfile& profile = program == "rk520" ? Rk520Profile() : Rk7400Profile();
        PrepareApplication(*qApp, profile, {QStringLiteral("--lang"), language});
        const std::unique_ptr<ProgramShell> shell = test::MakeProgram(profile);
        QVERIFY(shell->Start({}));
        QAction* item = shell->MainFrame().Command(command::kHelpGuide);
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(item->text(), Tr(profile.guide.command));

        const auto trigger = [item] { item->trigger(); };
        QCOMPARE(test::FileUrlsOpenedBy(trigger), QList<QUrl>{QUrl::fromLocalFile(guide.filePath(page))});
        QVERIFY(prompts.messages.isEmpty());

        // Without the page: no browser, a message naming the file.
        QVERIFY(QFile::remove(guide.filePath(page)));
        QVERIFY(test::FileUrlsOpenedBy(trigger).isEmpty());
        QCOMPARE(prompts.messages,
                 QStringList{Tr(profile.guide.notOpened).arg(QDir::toNativeSeparators(guide.filePath(page)))});

        // The About box names the guide's folder.
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            if (auto* location = box->findChild<QLabel*>("guideLocation")) shown = location->text();
            box->close();
        });
        shell->MainFrame().Command(command::kAppAbout)->trigger();
        QCOMPARE(shown, Tr(profile.guide.location).arg(QDir::toNativeSeparators(guide.path())));
        qunsetenv("RK_GUIDE_DIR");
    }
};

RK_TEST_MAIN(UserGuideTest)

#include "UserGuideTest.moc"
