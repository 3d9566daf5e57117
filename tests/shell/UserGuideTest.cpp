// Help > User guide in both programs: F1 shows the guide's page of the
// language the window speaks (the program's own, or English for any other)
// in the program's help window, with no browser; its sections, back and
// forward work and one button hands the page to the browser. A missing page
// gives the page's file in a message, and the About box says where the guide
// is.

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "HelpWindow.h"
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
        // Every page exists, so that only the language decides; each has two
        // sections and a link to the other's second one.
        for (const char* name : {"rk520-zh", "rk520-en", "rk7400-ru", "rk7400-en"}) {
            QVERIFY(QDir(guide.path()).mkpath(name));
            QFile file(guide.filePath(QString::fromLatin1(name) + "/index.html"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QString other = QString::fromLatin1(name).endsWith("-en") ? "../rk520-zh" : "../rk520-en";
            file.write(QStringLiteral("<html><body><h1>%1</h1><p><a href=\"%2/index.html#last\">other</a></p>"
                                      "<h2 id=\"first\">1. <b>First</b></h2><p>one</p>"
                                      "<h2 class=\"x\" id=\"last\">2. Last</h2><p>two</p></body></html>")
                           .arg(QString::fromLatin1(name), other)
                           .toUtf8());
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

        // No browser is asked: the page shows in the help window.
        const auto trigger = [item] { item->trigger(); };
        QVERIFY(test::FileUrlsOpenedBy(trigger).isEmpty());
        QVERIFY(prompts.messages.isEmpty());
        auto* help = shell->MainFrame().findChild<HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), Tr(profile.guide.title));
        const QUrl pageUrl = QUrl::fromLocalFile(guide.filePath(page));
        QCOMPARE(help->Browser().source(), pageUrl);
        QVERIFY(help->Browser().toPlainText().startsWith(page.section('/', 0, 0)));
        QListWidget& sections = help->Contents();
        QCOMPARE(sections.count(), 2);
        QCOMPARE(sections.item(0)->text(), QStringLiteral("1. First"));
        QCOMPARE(sections.item(1)->text(), QStringLiteral("2. Last"));

        // A section, then a link to the other page; back and forward walk them.
        QAction* back = help->findChild<QAction*>("helpBack");
        QAction* forward = help->findChild<QAction*>("helpForward");
        QCOMPARE(back->text(), Tr(profile.guide.back));
        QVERIFY(!back->isEnabled());
        QTest::mouseClick(sections.viewport(), Qt::LeftButton, {}, sections.visualItemRect(sections.item(1)).center());
        QCOMPARE(help->Browser().source().fragment(), QStringLiteral("last"));
        const QString other = page.section('/', 0, 0).endsWith("-en") ? "rk520-zh/index.html" : "rk520-en/index.html";
        QUrl link = QUrl::fromLocalFile(guide.filePath(other));
        link.setFragment(QStringLiteral("last"));
        help->Browser().setSource(link);
        QCOMPARE(help->Browser().source(), link);
        QVERIFY(back->isEnabled());
        back->trigger();
        QCOMPARE(help->Browser().source().adjusted(QUrl::RemoveFragment), pageUrl);
        QVERIFY(forward->isEnabled());
        back->trigger();
        QCOMPARE(help->Browser().source(), pageUrl);
        QVERIFY(!back->isEnabled());
        forward->trigger();
        QCOMPARE(help->Browser().source().fragment(), QStringLiteral("last"));

        // The browser gets the page, only from its own button.
        const auto inBrowser = [help] { help->findChild<QAction*>("helpInBrowser")->trigger(); };
        QCOMPARE(test::FileUrlsOpenedBy(inBrowser), QList<QUrl>{pageUrl});
        // F1 again shows the same window at the page's top, its history gone.
        QVERIFY(test::FileUrlsOpenedBy(trigger).isEmpty());
        QCOMPARE(shell->MainFrame().findChildren<HelpWindow*>().size(), 1);
        QCOMPARE(help->Browser().source(), pageUrl);
        QVERIFY(!back->isEnabled());
        help->close();

        // Without the page: no browser, a message naming the file.
        QVERIFY(QFile::remove(guide.filePath(page)));
        QVERIFY(test::FileUrlsOpenedBy(trigger).isEmpty());
        QVERIFY(!help->isVisible());
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
