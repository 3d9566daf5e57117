// rk520's main window reads and writes the radio through the Win32 adapter,
// under Wine, in the prefix tests/windows/run.sh sets up: COM1 leads to the
// radio simulator on a pseudo-terminal, no other COM name leads anywhere.
// At the protocol's own periods, with the backup, the preview and the check
// after the write, as a user starts it. RK_EXPECTED_IMAGE names the image the
// radio serves, as rkradio on Linux read it; the image the program wrote is
// left in RK_WRITTEN_IMAGE, for the rig to write it from Linux to a radio of
// its own and compare what the two radios received.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "BackupStore.h"
#include "FreshBackupFolder.h"
#include "MainFrame.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "TestFiles.h"
#include "TestRunner.h"
#include "WriteOptions.h"

using namespace rk;
using namespace rk::test;

namespace {

// A transfer at the protocol's periods takes about 11 s under Wine; the
// write with its backup and check three times that.
constexpr int kReadMs = 40'000;
constexpr int kWriteMs = 90'000;

QString FromEnvironment(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

}  // namespace

class WinProgramTransferTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowReadsAndWritesTheRadioOnCom1() {
        const QString expectedPath = FromEnvironment("RK_EXPECTED_IMAGE");
        const QString writtenPath = FromEnvironment("RK_WRITTEN_IMAGE");
        QVERIFY2(!expectedPath.isEmpty() && !writtenPath.isEmpty(), "RK_EXPECTED_IMAGE and RK_WRITTEN_IMAGE");
        const QByteArray expected = ReadFile(expectedPath);
        QCOMPARE(expected.size(), qsizetype{kImageFileSize});

        const FreshBackupFolder backups;
        RecordingPrompts prompts;
        CRk520App program;
        QVERIFY(program.Start({}));
        CMainFrame& frame = program.MainFrame();
        const ModelProfile& profile = Rk520Profile();

        frame.Command(profile.ids.read)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages, QStringList{Utf(profile.texts.transfer.readDone)}, kReadMs);
        QCOMPARE(FileBytes(program.Document().Image()), expected);

        // One change, written through the toolbar's button: the preview lists
        // it and is answered Write; the radio's data are kept first.
        program.Document().EditChannel(1, [](const ChannelRecord& r) { r.setSquelchLevel(7); });
        SetWriteOptions(frame, profile, true, true, true);
        prompts.choiceAnswers.enqueue(true);
        auto* write = qobject_cast<QToolButton*>(frame.ToolBar()->widgetForAction(frame.Command(profile.ids.write)));
        QVERIFY(write);
        QTest::mouseClick(write, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages.size(), 2, kWriteMs);
        // Written, checked, and where the radio's data from before are.
        const QString done = prompts.messages.last();
        QVERIFY2(done.startsWith(Utf(profile.texts.transfer.writeDone)), qPrintable(done));
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY2(prompts.questions.first().contains(QStringLiteral("02")), qPrintable(prompts.questions.first()));

        // The radio as it was read is kept in the user's application data
        // (Qt's test folders here): once, as the read's backup, which the
        // backup before the write, of the same bytes, only touches.
        const QDir folder(BackupStore::FolderFor(QStringLiteral("rk520")));
        const QStringList kept = folder.entryList({QStringLiteral("rk520-*.rkd")}, QDir::Files);
        QCOMPARE(std::count_if(kept.begin(), kept.end(),
                               [&](const QString& name) { return ReadFile(folder.filePath(name)) == expected; }),
                 1);
        QVERIFY(folder.absolutePath().startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));

        WriteFile(writtenPath, FileBytes(program.Document().Image()));
    }
};

RK_TEST_MAIN(WinProgramTransferTest)
#include "WinProgramTransferTest.moc"
