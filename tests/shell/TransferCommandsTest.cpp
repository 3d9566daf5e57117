// Read and write through the real programs' menus and toolbar against the
// radio simulator on a pseudo-terminal, at the test periods.

#include <QAction>
#include <QListWidget>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "Conversions.h"
#include "CloneLink.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "LinkRecord.h"
#include "MainFrame.h"
#include "RadioSimulator.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "ProgramOnRadio.h"
#include "TestRunner.h"
#include "WriteOptions.h"

using namespace rk;
using namespace rk::test;

namespace {

constexpr int kTransferMs = kTransferWaitMs;

void ClickToolbarButton(CMainFrame& frame, int id) {
    auto* button = qobject_cast<QToolButton*>(frame.ToolBar()->widgetForAction(frame.Command(id)));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class TransferCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ForgetComNames();
    }

    void rk520ReadsThroughTheMenuAndWritesThroughTheToolbar() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        const ModelProfile& profile = rig.profile;

        frame.Command(profile.ids.read)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.messages, QStringList{Utf(profile.texts.transfer.readDone)}, kTransferMs);
        QVERIFY(rig.program->Document().Image() == SampleImage());
        QVERIFY(frame.isWindowModified());
        // Channel 0 is shown and selected in both lists.
        auto* rxFreq = qobject_cast<QLineEdit*>(rig.program->View().Control(1020));
        QCOMPARE(rxFreq->text(), QString::fromStdString(FormatNumber(FreqToMhz(SampleImage().Channel(0).rxFreqSigned()))));
        QCOMPARE(qobject_cast<QListWidget*>(rig.program->View().Control(1035))->currentRow(), 0);

        // The image goes back to the radio unchanged.
        SetWriteOptions(frame, profile, false, false);
        ClickToolbarButton(frame, profile.ids.write);
        QVERIFY(rig.program->Link().IsWriting());
        QTRY_COMPARE_WITH_TIMEOUT(rig.prompts.messages.size(), 2, kTransferMs);
        QCOMPARE(rig.prompts.messages.last(), Utf(profile.texts.transfer.writeDone));
        const auto written = rig.radio.WrittenBytes();
        QCOMPARE(written.size(), std::size_t{1280});
        const RadioImage sample = SampleImage();
        QVERIFY(std::equal(sample.Bytes().begin(), sample.Bytes().end(), written.begin()));
        frame.close();
    }

    void rk520RefusedWriteShowsFailingChannelAndNeverOpensThePort() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start());
        RadioImage image = SampleImage();
        image.Channel(7).setTxFreq(40'000'001);  // off the channel step
        rig.program->Document().LoadImage(image);
        rig.program->View().OnInitialUpdate();
        int shownWithMessage = -1;
        rig.prompts.onMessage = [&](const QString&) { shownWithMessage = rig.program->View().EditChannel(); };

        rig.Frame().Command(rig.profile.ids.write)->trigger();
        QCOMPARE(rig.prompts.messages, QStringList{Utf(rig.profile.texts.check.txStep) + Utf("\n08频道")});
        QCOMPARE(shownWithMessage, 7);  // the form moved before the message came
        QCOMPARE(rig.program->Document().CurrentChannel(), 7);
        QCOMPARE(rig.program->View().EditChannel(), 7);
        QCOMPARE(qobject_cast<QListWidget*>(rig.program->View().Control(1035))->currentRow(), 7);
        QVERIFY(!rig.program->Link().IsWriting());
        QTest::qWait(700);
        QVERIFY(rig.radio.HandshakeTimes().empty());
    }

    void quittingDuringAWriteAsksFirst() {
        ProgramOnRadio rig(Rk520Profile(), SampleImage());
        QVERIFY(rig.Start());
        rig.program->Document().LoadImage(SampleImage());
        CMainFrame& frame = rig.Frame();
        SetWriteOptions(frame, rig.profile, false, false);

        frame.Command(rig.profile.ids.write)->trigger();
        QVERIFY(rig.program->Link().IsWriting());
        rig.prompts.yesNoAnswers.enqueue(false);
        frame.close();
        QCOMPARE(rig.prompts.questions, QStringList{Utf(rig.profile.shell.quitDuringWriteQuestion)});
        QVERIFY(frame.isVisible());
        QVERIFY(rig.program->Link().IsWriting());

        rig.prompts.yesNoAnswers.enqueue(true);
        frame.close();
        QVERIFY(!frame.isVisible());
        // The transfer stopped with the window: no block goes out after it.
        const auto blocks = rig.radio.WrittenBlocks().size();
        QTest::qWait(2 * kTestPeriods.writeBlockMs);
        QCOMPARE(rig.radio.WrittenBlocks().size(), blocks);
        QVERIFY(rig.prompts.messages.isEmpty());
    }

    void rk7400ReadsOnTheFirstPortThatAnswers() {
        RadioSimulator silent(SampleImage());
        RadioSimulator::Behaviour quiet;
        quiet.handshakeReply.clear();
        QVERIFY(StartOnCom(silent, 1, quiet));
        RadioSimulator radio(SampleImage());
        QVERIFY(StartOnCom(radio, 2));
        FreshBackupFolder backups;
        RecordingPrompts prompts;
        CRk7400App program;
        QVERIFY(program.Start({}));
        program.Link().SetPeriods(kTestPeriods);
        program.MainFrame().Command(Rk7400Profile().ids.read)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages, QStringList{Utf(Rk7400Profile().texts.transfer.readDone)}, kTransferMs);
        QVERIFY(program.Document().Image() == SampleImage());
        QCOMPARE(silent.HandshakeTimes().size(), std::size_t{1});
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{1});
    }
};

RK_TEST_MAIN(TransferCommandsTest)

#include "TransferCommandsTest.moc"
