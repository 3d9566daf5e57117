// The write made trustworthy, through the real programs against the radio
// simulator at shortened periods: progress and Stop in the status bar, backup
// before and check after a write with their messages, the options kept
// between runs, the read that asks about unsaved edits, the port prompts.

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "CloneLink.h"
#include "DocumentFiles.h"
#include "ImageDiff.h"
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
#include "TestRunner.h"
#include "WriteOptions.h"
#include "WriteValidation.h"

using namespace rk;
using namespace rk::test;

namespace {

const TransferPeriods kShort{250, 250, 100};
constexpr int kJobMs = 20000;

bool StartOnCom1(RadioSimulator& radio, const RadioSimulator::Behaviour& behaviour = {}) {
    if (!radio.Start(behaviour)) return false;
    qputenv("RK_COM1", QByteArray::fromStdString(radio.SlavePath()));
    return true;
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

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
        RadioSimulator radio(SampleImage());
        QVERIFY(StartOnCom1(radio));
        RecordingPrompts prompts;
        CRk520App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kShort);
        const ModelProfile& profile = Rk520Profile();
        CMainFrame& frame = program.MainFrame();
        StatusPanes& panes = *frame.StatusPanes();
        program.Document().LoadImage(SampleImage());
        QVERIFY(frame.Command(profile.ids.backup)->isChecked() && frame.Command(profile.ids.verify)->isChecked());

        // The radio already holds the document: the preview says so, and
        // Write goes on as before.
        prompts.choiceAnswers << true;
        frame.Command(profile.ids.write)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.questions, QStringList{Utf(profile.preview.same)}, kJobMs);
        QCOMPARE(prompts.buttons, (QList<QStringList>{{Utf("写入"), Utf("取消")}}));
        QTRY_COMPARE_WITH_TIMEOUT(panes.MessageText(), Utf("正在写入对讲机… 3/5"), kJobMs);
        QVERIFY(panes.Progress()->isVisible() && panes.StopButton()->isVisible());
        QCOMPARE(panes.Progress()->maximum(), 63);
        QCOMPARE(panes.Progress()->value(), 21 + 1 + 2 * 4);
        frame.Command(profile.ids.read)->trigger();  // ignored while the write runs

        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages.size(), 1, kJobMs);
        const QString backup = QRegularExpression::escape(BackupStore::FolderFor(QStringLiteral("rk520"))) +
                               QStringLiteral("/rk520-\\d{8}-\\d{6}");
        QVERIFY2(QRegularExpression(Utf("^数据已写入对讲机\n读回校验一致。\n写入前的对讲机数据已保存到：") + backup +
                                    QStringLiteral("-before-write\\.rkd$"))
                     .match(prompts.messages.at(0))
                     .hasMatch(),
                 qPrintable(prompts.messages.at(0)));
        QCOMPARE(prompts.kinds, QList<MessageKind>{MessageKind::Info});
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY(prompts.actions.isEmpty());

        QVERIFY(!panes.Progress()->isVisible() && !panes.StopButton()->isVisible());
        QCOMPARE(panes.MessageText(), panes.IdleText());
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{3});
    }

    // The preview lists by field what the write would change in this radio,
    // the second channel too; Cancel leaves the radio as it was, with no
    // write block on the line.
    void previewListsChangesAndCancelWritesNothing() {
        RadioSimulator radio(SampleImage());
        QVERIFY(StartOnCom1(radio));
        RecordingPrompts prompts;
        CRk520App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kShort);
        const ModelProfile& profile = Rk520Profile();
        RadioImage image = SampleImage();
        image.Channel(4).setRxFreq(40'000'000);
        image.Channel(9).setSquelchLevel(3);
        program.Document().LoadImage(image);

        program.MainFrame().Command(profile.ids.write)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages, QStringList{Utf(profile.texts.transfer.nothingWritten)}, kJobMs);
        // Frequencies with or without their trailing zeros.
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY2(QRegularExpression(Utf("^05频道 接收频率：400\\.6250? → 400(\\.0000)?\n10频道 静噪等级：9 → 3$"))
                     .match(prompts.questions.at(0))
                     .hasMatch(),
                 qPrintable(prompts.questions.at(0)));
        QVERIFY(program.Link().IsIdle());
        QVERIFY(!program.MainFrame().StatusPanes()->Progress()->isVisible());
        QTest::qWait(3 * kShort.writeBlockMs);
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{1});
        QVERIFY(radio.WrittenBlocks().empty());
        QCOMPARE(radio.Image(), SampleImage());
    }

    // Past 30 changes the rest are counted. After a mismatched write the
    // closing message offers the radio's data from before it, which opens
    // as an untitled document holding exactly the radio's old bytes.
    void rk7400MismatchOffersTheBackupFromBeforeTheWrite() {
        RadioImage old;
        old.Channel(0).setRxFreq(43'300'000);
        RadioSimulator::Behaviour wrong;
        wrong.storeWrongAt = 5;
        RadioSimulator radio(old);
        QVERIFY(StartOnCom1(radio, wrong));
        RecordingPrompts prompts;
        CRk7400App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kShort);
        const ModelProfile& profile = Rk7400Profile();
        program.Document().LoadImage(SampleImage());
        RadioImage sent = SampleImage();
        RefreshDerivedFields(sent);
        const auto changes = CompareImages(old, sent).size();
        QVERIFY(changes > 31);

        prompts.choiceAnswers << true;
        prompts.actionAnswers << true;
        prompts.saveChoices << SaveChoice::Discard;
        program.MainFrame().Command(profile.ids.write)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.actions, QStringList{Utf("Открыть копию до записи")}, kJobMs);
        const QStringList lines = prompts.questions.value(0).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 31);
        QVERIFY2(lines.at(0).startsWith(Utf("Канал 01, Rx-частота: 433")), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(30), Utf(profile.texts.report.moreDifferences).arg(changes - 30));
        QCOMPARE(prompts.buttons, (QList<QStringList>{{Utf("Записать"), Utf("Отмена")}}));
        QVERIFY2(prompts.messages.value(0).startsWith(Utf(profile.texts.transfer.verifyDiffers)),
                 qPrintable(prompts.messages.value(0)));
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{3});
        QCOMPARE(program.Document().Image(), old);
        QVERIFY(program.Files().FilePath().isEmpty());
    }

    void stopAsksOnlyWhileTheRadioWouldBeLeftPartlyWritten() {
        RadioSimulator radio(SampleImage());
        QVERIFY(StartOnCom1(radio));
        RecordingPrompts prompts;
        CRk520App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kShort);
        CMainFrame& frame = program.MainFrame();
        const ModelProfile& profile = Rk520Profile();
        program.Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, true, false);
        frame.Command(command::kOperationPreview)->setChecked(false);

        // A read stops at once, without a question, the document as it was.
        frame.Command(profile.ids.read)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(radio.BlockRequestTimes().size() >= 2, kJobMs);
        QTest::keyClick(&frame, Qt::Key_Escape);
        QVERIFY(program.Link().IsIdle());
        QCOMPARE(program.Document().Image(), SampleImage());
        QVERIFY(!program.Document().IsModified());
        QVERIFY(prompts.messages.isEmpty());

        // A write asks first, naming the backup just kept: No goes on, Yes
        // stops before the next block and says what the radio holds.
        frame.Command(profile.ids.write)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!radio.WrittenBlocks().empty(), kJobMs);
        prompts.yesNoAnswers << false << true;
        QTest::keyClick(&frame, Qt::Key_Escape);
        const QString backup = QRegularExpression::escape(BackupStore::FolderFor(QStringLiteral("rk520"))) +
                               QStringLiteral("/rk520-\\d{8}-\\d{6}-before-write\\.rkd");
        const QString sentence = Utf("写入前的对讲机数据已保存到：") + backup;
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY2(QRegularExpression(Utf("^正在写入对讲机。现在停止，对讲机中的数据将只写入一部分。\n") + sentence +
                                    Utf("\n要停止写入吗？$"))
                     .match(prompts.questions.at(0))
                     .hasMatch(),
                 qPrintable(prompts.questions.at(0)));
        QVERIFY(program.Link().IsWriting());
        frame.StatusPanes()->StopButton()->click();
        QCOMPARE(prompts.questions.size(), 2);
        QVERIFY(program.Link().IsIdle());
        QVERIFY(!frame.StatusPanes()->Progress()->isVisible());
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY2(QRegularExpression(Utf("^写入已停止，对讲机中的数据只写入了一部分。\n") + sentence + "$")
                     .match(prompts.messages.at(0))
                     .hasMatch(),
                 qPrintable(prompts.messages.at(0)));
        QCOMPARE(prompts.kinds, QList<MessageKind>{MessageKind::Warning});
        const auto blocks = radio.WrittenBlocks().size();
        QVERIFY(blocks < 5);
        QTest::qWait(2 * kShort.writeBlockMs);
        QCOMPARE(radio.WrittenBlocks().size(), blocks);
    }

    // Without a backup the question and the message say that none was taken.
    void rk7400StopWithoutBackupSaysSo() {
        RadioSimulator radio(SampleImage());
        QVERIFY(StartOnCom1(radio));
        RecordingPrompts prompts;
        CRk7400App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kShort);
        CMainFrame& frame = program.MainFrame();
        const ModelProfile& profile = Rk7400Profile();
        program.Document().LoadImage(SampleImage());
        SetWriteOptions(frame, profile, false, false);

        frame.Command(profile.ids.write)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!radio.WrittenBlocks().empty(), kJobMs);
        prompts.yesNoAnswers << true;
        QTest::keyClick(&frame, Qt::Key_Escape);
        const QString none = Utf(profile.shell.noBeforeWriteBackup);
        QCOMPARE(prompts.questions, QStringList{Utf(profile.shell.stopWriteQuestion).arg(none)});
        QCOMPARE(prompts.messages, QStringList{Utf(profile.shell.writeStopped).arg(none)});
        QVERIFY(program.Link().IsIdle());
    }

    void readOverUnsavedEditsAsksFirst() {
        RadioSimulator radio(SampleImage());
        QVERIFY(StartOnCom1(radio));
        RecordingPrompts prompts;
        CRk520App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kShort);
        program.Document().EditChannel(4, [](const ChannelRecord& r) { r.setRxFreq(40'100'000); });
        const int read = Rk520Profile().ids.read;

        prompts.saveChoices.enqueue(SaveChoice::Cancel);
        program.MainFrame().Command(read)->trigger();
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY(program.Link().IsIdle());
        prompts.saveChoices.enqueue(SaveChoice::Discard);
        program.MainFrame().Command(read)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages, QStringList{Utf(Rk520Profile().texts.transfer.readDone)}, kJobMs);
        QCOMPARE(prompts.questions.size(), 2);
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{1});
        QCOMPARE(program.Document().Image(), SampleImage());
    }

    void optionsKeptAndBackupFolderOpened() {
        RecordingPrompts prompts;
        const ModelProfile& profile = Rk7400Profile();
        {
            CRk7400App program;
            QVERIFY(program.Start({}));
            program.MainFrame().Command(profile.ids.backup)->trigger();  // off
            program.MainFrame().Command(command::kOperationPreview)->trigger();
            UrlCatcher catcher;
            QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
            program.MainFrame().Command(profile.ids.openBackups)->trigger();
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
            const QString folder = BackupStore::FolderFor(QStringLiteral("rk7400"));
            QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(folder)});
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
