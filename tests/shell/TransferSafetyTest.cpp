// The write made trustworthy, through the real programs against the radio
// simulator at shortened periods: progress and Stop in the status bar, backup
// before and check after a write with their messages, the options kept
// between runs, the read that asks about unsaved edits, the port prompts.

#include <algorithm>
#include <set>
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <functional>
#include <QToolButton>
#include <QUrl>

#include "CloneLink.h"
#include "DocumentFiles.h"
#include "ImageDiff.h"
#include "LinkRecord.h"
#include "MainFrame.h"
#include "ProgramShell.h"
#include "RadioSimulator.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "SettingsLocation.h"
#include "StatusPanes.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "OpenedUrls.h"
#include "ProgramOnRadio.h"
#include "TestRunner.h"
#include "WriteOptions.h"
#include "WriteValidation.h"

using namespace rk;
using namespace rk::test;

namespace {

constexpr int kJobMs = 20000;

}  // namespace

class TransferSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        qunsetenv("RK_COM1");
        qunsetenv("RK_COM2");
        // Every test starts as on a first start.
        for (const char* program : {"rk520", "rk7400"})
            QSettings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(program)).remove("Settings");
    }

    void rk520WriteWithBackupAndCheck() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        const ModelProfile& profile = rig.profile;
        CMainFrame& frame = rig.Frame();
        StatusPanes& panes = *frame.StatusPanes();
        rig.program->Document().LoadImage(SampleImage());
        QVERIFY(frame.Command(profile.ids.backup)->isChecked() && frame.Command(profile.ids.verify)->isChecked());

        // The radio already holds the document: the preview says so, and
        // Write goes on as before.
        rig.prompts.choiceAnswers << true;
        frame.Command(profile.ids.write)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.questions, QStringList{Utf(profile.preview.same)}, kJobMs);
        QCOMPARE(rig.prompts.buttons, (QList<QStringList>{{Utf("写入"), Utf("取消")}}));
        QTRY_COMPARE_WITH_TIMEOUT(panes.MessageText(), Utf("正在写入对讲机… 3/5"), kJobMs);
        QVERIFY(panes.Progress()->isVisible() && panes.StopButton()->isVisible());
        QCOMPARE(panes.Progress()->maximum(), 63);
        QCOMPARE(panes.Progress()->value(), 21 + 1 + 2 * 4);
        frame.Command(profile.ids.read)->trigger();  // ignored while the write runs

        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.messages.size(), 1, kJobMs);
        const QString backup = QRegularExpression::escape(BackupStore::FolderFor(QStringLiteral("rk520"))) +
                               QStringLiteral("/rk520-\\d{8}-\\d{6}");
        QVERIFY2(QRegularExpression(Utf("^数据已写入对讲机\n读回校验一致。\n写入前的对讲机数据已保存到：") + backup +
                                    QStringLiteral("-before-write\\.rkd$"))
                     .match(rig.prompts.messages.at(0))
                     .hasMatch(),
                 qPrintable(rig.prompts.messages.at(0)));
        QCOMPARE(rig.prompts.kinds, QList<MessageKind>{MessageKind::Info});
        QCOMPARE(rig.prompts.questions.size(), 1);
        QVERIFY(rig.prompts.actions.isEmpty());

        QVERIFY(!panes.Progress()->isVisible() && !panes.StopButton()->isVisible());
        QCOMPARE(panes.MessageText(), panes.IdleText());
        QCOMPARE(rig.radio.HandshakeTimes().size(), std::size_t{3});
    }

    // The preview lists by field what the write would change in this radio,
    // the second channel too; Cancel leaves the radio as it was, with no
    // write block on the line.
    void previewListsChangesAndCancelWritesNothing() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        const ModelProfile& profile = rig.profile;
        RadioImage image = SampleImage();
        image.Channel(4).setRxFreq(40'000'000);
        image.Channel(9).setSquelchLevel(3);
        rig.program->Document().LoadImage(image);

        rig.Frame().Command(profile.ids.write)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.messages, QStringList{Utf(profile.texts.transfer.nothingWritten)},
                                  kJobMs);
        // Frequencies with or without their trailing zeros.
        QCOMPARE(rig.prompts.questions.size(), 1);
        QVERIFY2(QRegularExpression(Utf("^写入将改动对讲机中的 2 项数据：\n05频道\n    接收频率：400\\.6250? → 400(\\.0000)?\n"
                                        "10频道\n    静噪等级：9 → 3$"))
                     .match(rig.prompts.questions.at(0))
                     .hasMatch(),
                 qPrintable(rig.prompts.questions.at(0)));
        QVERIFY(rig.program->Link().IsIdle());
        QVERIFY(!rig.Frame().StatusPanes()->Progress()->isVisible());
        QTest::qWait(3 * kTestPeriods.writeBlockMs);
        QCOMPARE(rig.radio.HandshakeTimes().size(), std::size_t{1});
        QVERIFY(rig.radio.WrittenBlocks().empty());
        QCOMPARE(rig.radio.Image(), SampleImage());
    }

    // More than 30 changes are all listed. After a mismatched write the
    // closing message offers the radio's data from before it, which opens
    // as an untitled document holding exactly the radio's old bytes.
    void rk7400MismatchOffersTheBackupFromBeforeTheWrite() {
        RadioImage old;
        old.Channel(0).setRxFreq(43'300'000);
        RadioSimulator::Behaviour wrong;
        wrong.storeWrongAt = 5;
        ProgramOnRadio rig(Rk7400Profile(), old);
        QVERIFY(rig.Start(kTestPeriods, wrong));
        const ModelProfile& profile = rig.profile;
        rig.program->Document().LoadImage(SampleImage());
        RadioImage sent = SampleImage();
        RefreshDerivedFields(sent);
        const auto changes = CompareImages(old, sent).size();
        QVERIFY(changes > 31);

        rig.prompts.choiceAnswers << true;
        rig.prompts.actionAnswers << true;
        rig.prompts.saveChoices << SaveChoice::Discard;
        rig.Frame().Command(profile.ids.write)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.actions, QStringList{Utf("Открыть копию до записи")}, kJobMs);
        // The dialog lists every change, under its channel.
        const QStringList lines = rig.prompts.questions.value(0).split(QLatin1Char('\n'));
        QCOMPARE(lines.at(0), Utf(profile.preview.heading).arg(changes));
        QCOMPARE(lines.at(1), Utf("Канал 01"));
        QVERIFY2(lines.at(2).startsWith(Utf("    Rx-частота: 433")), qPrintable(lines.at(2)));
        const auto differences = CompareImages(old, sent);
        const auto ofChannels = std::count_if(differences.begin(), differences.end(),
                                              [](const FieldDifference& d) { return d.channel >= 0; });
        QCOMPARE(lines.filter(QRegularExpression("^    ")).size(), qsizetype(ofChannels));
        std::set<int> channels;
        for (const FieldDifference& d : differences)
            if (d.channel >= 0) channels.insert(d.channel);
        QCOMPARE(lines.size(), qsizetype(1 + changes + channels.size()));  // the heading, each change, each channel
        QCOMPARE(rig.prompts.buttons, (QList<QStringList>{{Utf("Записать"), Utf("Отмена")}}));
        QVERIFY2(rig.prompts.messages.value(0).startsWith(Utf(profile.texts.transfer.verifyDiffers)),
                 qPrintable(rig.prompts.messages.value(0)));
        QCOMPARE(rig.radio.HandshakeTimes().size(), std::size_t{3});
        QCOMPARE(rig.program->Document().Image(), old);
        QVERIFY(rig.program->Files().FilePath().isEmpty());
    }

    void stopAsksOnlyWhileTheRadioWouldBeLeftPartlyWritten() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        const ModelProfile& profile = rig.profile;
        rig.program->Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, true, false);

        // A read stops at once, without a question, the document as it was.
        frame.Command(profile.ids.read)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(rig.radio.BlockRequestTimes().size() >= 2, kJobMs);
        QTest::keyClick(&frame, Qt::Key_Escape);
        QVERIFY(rig.program->Link().IsIdle());
        QCOMPARE(rig.program->Document().Image(), SampleImage());
        QVERIFY(!rig.program->Document().IsModified());
        QVERIFY(rig.prompts.messages.isEmpty());

        // A write asks first, naming the backup just kept: No goes on, Yes
        // stops before the next block and says what the radio holds.
        frame.Command(profile.ids.write)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.radio.WrittenBlocks().empty(), kJobMs);
        rig.prompts.yesNoAnswers << false << true;
        QTest::keyClick(&frame, Qt::Key_Escape);
        const QString backup = QRegularExpression::escape(BackupStore::FolderFor(QStringLiteral("rk520"))) +
                               QStringLiteral("/rk520-\\d{8}-\\d{6}-before-write\\.rkd");
        const QString sentence = Utf("写入前的对讲机数据已保存到：") + backup;
        QCOMPARE(rig.prompts.questions.size(), 1);
        QVERIFY2(QRegularExpression(Utf("^正在写入对讲机。现在停止，对讲机中的数据将只写入一部分。\n正在写入第[1-5]块（共5块）。\n") +
                                    sentence + Utf("\n要停止写入吗？$"))
                     .match(rig.prompts.questions.at(0))
                     .hasMatch(),
                 qPrintable(rig.prompts.questions.at(0)));
        QVERIFY(rig.program->Link().IsWriting());
        frame.StatusPanes()->StopButton()->click();
        QCOMPARE(rig.prompts.questions.size(), 2);
        QVERIFY(rig.program->Link().IsIdle());
        QVERIFY(!frame.StatusPanes()->Progress()->isVisible());
        QCOMPARE(rig.prompts.messages.size(), 1);
        QVERIFY2(QRegularExpression(Utf("^写入已停止，对讲机中的数据只写入了一部分。\n") + sentence + "$")
                     .match(rig.prompts.messages.at(0))
                     .hasMatch(),
                 qPrintable(rig.prompts.messages.at(0)));
        QCOMPARE(rig.prompts.kinds, QList<MessageKind>{MessageKind::Warning});
        const auto blocks = rig.radio.WrittenBlocks().size();
        QVERIFY(blocks < 5);
        QTest::qWait(2 * kTestPeriods.writeBlockMs);
        QCOMPARE(rig.radio.WrittenBlocks().size(), blocks);
    }

    // A radio gone after the second block: the message says the radio is
    // partly written, names the backup from before the write and offers it.
    void radioGoneMidWriteOffersTheBackup() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        RadioSimulator::Behaviour gone;
        gone.vanishAfterWritten = 2 * 256;
        QVERIFY(rig.Start(kTestPeriods, gone));
        CMainFrame& frame = rig.Frame();
        const ModelProfile& profile = rig.profile;
        rig.program->Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, true, true);
        frame.Command(profile.ids.write)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.prompts.messages.isEmpty(), kJobMs);
        const QString backup = QRegularExpression::escape(BackupStore::FolderFor(QStringLiteral("rk520"))) +
                               QStringLiteral("/rk520-\\d{8}-\\d{6}-before-write\\.rkd");
        QVERIFY2(QRegularExpression(Utf("^建立通信文件失败\n.*\n对讲机中的数据只写入了一部分（2/5块）。\n写入前的对讲机数据已保存到：") +
                                    backup + "$")
                     .match(rig.prompts.messages.at(0))
                     .hasMatch(),
                 qPrintable(rig.prompts.messages.at(0)));
        QCOMPARE(rig.prompts.actions, QStringList{Utf(profile.preview.openBackup)});
        QCOMPARE(rig.radio.WrittenBlocks().size(), std::size_t{2});
    }

    // Stop answered only once the write had ended: the read-back runs on and
    // is reported as any other.
    void lateStopReportsWhatHappened() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        const ModelProfile& profile = rig.profile;
        rig.program->Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, false, true);
        frame.Command(profile.ids.write)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.radio.WrittenBlocks().empty(), kJobMs);
        rig.prompts.yesNoAnswers << true;
        rig.prompts.whileAsking = [&] {
            QTRY_VERIFY_WITH_TIMEOUT(!rig.program->Link().IsWriting(), kJobMs);
        };
        QTest::keyClick(&frame, Qt::Key_Escape);
        QCOMPARE(rig.prompts.questions.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(rig.program->Link().IsIdle(), kJobMs);
        QCOMPARE(rig.prompts.messages, QStringList{Utf("数据已写入对讲机\n读回校验一致。")});
        QCOMPARE(rig.radio.HandshakeTimes().size(), std::size_t{2});
    }

    // Without a backup the question and the message say that none was taken.
    void rk7400StopWithoutBackupSaysSo() {
        ProgramOnRadio rig(Rk7400Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        const ModelProfile& profile = rig.profile;
        rig.program->Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, false, false);

        frame.Command(profile.ids.write)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.radio.WrittenBlocks().empty(), kJobMs);
        rig.prompts.yesNoAnswers << true;
        QTest::keyClick(&frame, Qt::Key_Escape);
        const QString none = Utf(profile.shell.noBeforeWriteBackup);
        QCOMPARE(rig.prompts.questions.size(), 1);
        // The question names the block on the line, one of the five.
        QStringList asked;
        for (int block = 1; block <= 5; ++block)
            asked << Utf(profile.shell.stopWriteQuestion).arg(Utf(profile.texts.transfer.blockOnLine).arg(block).arg(5) + '\n' + none);
        QVERIFY2(asked.contains(rig.prompts.questions.at(0)), qPrintable(rig.prompts.questions.at(0)));
        QCOMPARE(rig.prompts.messages, QStringList{Utf(profile.shell.writeStopped).arg(none)});
        QVERIFY(rig.program->Link().IsIdle());
    }

    // Stopped while the radio's data are kept, nothing was written; stopped
    // while the radio is read back, it holds the whole image. Neither asks.
    void stopBeforeOrAfterTheBlocksSaysWhatTheRadioHolds() {
        ProgramOnRadio rig(Rk7400Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        const ModelProfile& profile = rig.profile;
        rig.program->Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, true, true);
        const auto stopWhen = [&](const std::function<bool()>& reached) {
            frame.Command(profile.ids.write)->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(reached(), kJobMs);
            QTest::keyClick(&frame, Qt::Key_Escape);
            QVERIFY(rig.program->Link().IsIdle());
        };

        stopWhen([&] { return rig.radio.BlockRequestTimes().size() >= 2; });
        QCOMPARE(rig.prompts.messages, QStringList{Utf(profile.texts.transfer.nothingWritten)});
        QVERIFY(rig.radio.WrittenBlocks().empty());

        // Handshakes: the stopped backup, then this write's backup, write and check.
        stopWhen([&] { return rig.radio.HandshakeTimes().size() >= 4 && rig.radio.WrittenBlocks().size() == 5; });
        QCOMPARE(rig.prompts.messages.value(1), Utf(profile.texts.transfer.writeDone));
        QVERIFY(rig.prompts.questions.isEmpty());
    }

    void readOverUnsavedEditsAsksFirst() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        rig.program->Document().EditChannel(4, [](const ChannelRecord& r) { r.setRxFreq(40'100'000); });
        const int read = rig.profile.ids.read;

        rig.prompts.saveChoices.enqueue(SaveChoice::Cancel);
        rig.Frame().Command(read)->trigger();
        QCOMPARE(rig.prompts.questions.size(), 1);
        QVERIFY(rig.program->Link().IsIdle());
        rig.prompts.saveChoices.enqueue(SaveChoice::Discard);
        rig.Frame().Command(read)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.messages, QStringList{Utf(rig.profile.texts.transfer.readDone)}, kJobMs);
        QCOMPARE(rig.prompts.questions.size(), 2);
        QCOMPARE(rig.radio.HandshakeTimes().size(), std::size_t{1});
        QCOMPARE(rig.program->Document().Image(), SampleImage());
    }

    void optionsKeptAndBackupFolderOpened() {
        RecordingPrompts prompts;
        const ModelProfile& profile = Rk7400Profile();
        {
            CRk7400App program;
            QVERIFY(program.Start({}));
            program.MainFrame().Command(profile.ids.backup)->trigger();  // off
            program.MainFrame().Command(command::kOperationPreview)->trigger();
            const QList<QUrl> opened =
                FileUrlsOpenedBy([&] { program.MainFrame().Command(profile.ids.openBackups)->trigger(); });
            const QString folder = BackupStore::FolderFor(QStringLiteral("rk7400"));
            QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
            QVERIFY(QDir(folder).exists());
        }
        const QSettings settings(QString::fromLatin1(kSettingsOrganization), QStringLiteral("rk7400"));
        QCOMPARE(settings.value("Settings/BackupBeforeWrite").toBool(), false);
        QCOMPARE(settings.value("Settings/VerifyAfterWrite").toBool(), true);
        QCOMPARE(settings.value("Settings/PreviewBeforeWrite").toBool(), false);
        CRk7400App again;
        QVERIFY(again.Start({}));
        QVERIFY(!again.MainFrame().Command(profile.ids.backup)->isChecked());
        QVERIFY(again.MainFrame().Command(profile.ids.verify)->isChecked());
        QVERIFY(!again.MainFrame().Command(command::kOperationPreview)->isChecked());
    }

    void rk520PortPromptsNameTheirDevices() {
        qputenv("RK_COM1", "/dev/ttyUSB7");
        RecordingPrompts prompts;
        CRk520App program;
        QVERIFY(program.Start({}));
        CMainFrame& frame = program.MainFrame();
        QMenu* portMenu = frame.menuBar()->actions().at(3)->menu();
        emit portMenu->aboutToShow();
        QCOMPARE(frame.Command(32776)->statusTip(), Utf("选择计算机COM1口写频（/dev/ttyUSB7）"));
        QCOMPARE(frame.Command(32777)->statusTip(), Utf("选择计算机COM2口写频（没有对应的串口设备）"));
        qputenv("RK_COM2", "/dev/ttyACM0");
        emit portMenu->aboutToShow();
        QCOMPARE(frame.Command(32777)->statusTip(), Utf("选择计算机COM2口写频（/dev/ttyACM0）"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TransferSafetyTest t;
    return rk::test::RunTestObject(t, argc, argv);
}

#include "TransferSafetyTest.moc"
