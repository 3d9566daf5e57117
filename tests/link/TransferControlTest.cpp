// The clone transfer's commands while busy, Stop, closing the window and stray timer events.

#include "TestRunner.h"
#include "TransferRig.h"

using namespace rk;
using namespace rk::test;

class TransferControlTest : public QObject {
    Q_OBJECT

private slots:
    void init() { g_check = CheckPlan{}; }

    void secondCommandIgnored_data();
    void secondCommandIgnored();
    void stopEndsEveryPhase_data();
    void stopEndsEveryPhase();
    void stopAfterBlockLetsTheBlockFinish_data();
    void stopAfterBlockLetsTheBlockFinish();
    void closeRequestStopsTimers();
    void strayTimerEventsOnlyClose();
};

void TransferControlTest::secondCommandIgnored_data() {
    QTest::addColumn<bool>("firstWrites");
    QTest::addColumn<bool>("secondWrites");
    QTest::addColumn<bool>("inBlockStep");
    for (const bool inBlock : {false, true}) {
        const char* when = inBlock ? "during a block" : "during the handshake";
        QTest::addRow("read, then read %s", when) << false << false << inBlock;
        QTest::addRow("read, then write %s", when) << false << true << inBlock;
        QTest::addRow("write, then read %s", when) << true << false << inBlock;
        QTest::addRow("write, then write %s", when) << true << true << inBlock;
    }
}

void TransferControlTest::secondCommandIgnored() {
    QFETCH(bool, firstWrites);
    QFETCH(bool, secondWrites);
    QFETCH(bool, inBlockStep);
    Rig rig(Rk7400Rules());
    firstWrites ? rig.Write() : rig.Read();
    if (inBlockStep) {
        rig.port.Reply(kHandshake);
        QVERIFY(rig.Fire(kHandshakeTimer));
    }
    const auto events = rig.port.events;
    const auto started = rig.timers.started;
    const auto state = rig.transfer.State().transferState;
    const int checks = g_check.calls;
    secondWrites ? rig.Write() : rig.Read();
    QCOMPARE(rig.port.events, events);
    QCOMPARE(rig.timers.started, started);
    QCOMPARE(rig.transfer.State().transferState, state);
    QCOMPARE(g_check.calls, checks);
    QVERIFY(rig.record.messages.empty());
}

void TransferControlTest::stopEndsEveryPhase_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<int>("timerEvents");
    QTest::addColumn<TransferPhase>("phase");
    QTest::newRow("read") << false << 3 << TransferPhase::Read;
    QTest::newRow("backup") << true << 3 << TransferPhase::Backup;
    QTest::newRow("write") << true << 9 << TransferPhase::Write;
    QTest::newRow("check") << true << 14 << TransferPhase::Verify;
}

void TransferControlTest::stopEndsEveryPhase() {
    QFETCH(bool, writing);
    QFETCH(int, timerEvents);
    QFETCH(TransferPhase, phase);
    Rig rig(Rk520Rules());
    Rig::Radio radio;
    writing ? rig.Write({true, true}) : rig.Read();
    rig.Serve(radio, timerEvents);
    rig.transfer.Stop();
    QCOMPARE(rig.record.stops, std::vector<TransferPhase>{phase});
    QVERIFY(rig.record.messages.empty());
    QVERIFY(rig.transfer.IsIdle() && rig.timers.running.empty() && !rig.port.IsOpen());
    QVERIFY(rig.DocumentAsBefore());
}

// Only a write block already on the line is waited for; its timer then ends
// the write instead of sending the next block.
void TransferControlTest::stopAfterBlockLetsTheBlockFinish_data() {
    QTest::addColumn<int>("timerEvents");
    QTest::addColumn<TransferPhase>("phase");
    QTest::addColumn<int>("blocksSent");
    QTest::addColumn<bool>("waits");
    QTest::newRow("backup") << 3 << TransferPhase::Backup << 0 << false;
    QTest::newRow("write handshake") << 6 << TransferPhase::Write << 0 << false;
    QTest::newRow("first block") << 7 << TransferPhase::Write << 1 << true;
    QTest::newRow("last block") << 11 << TransferPhase::Write << 5 << true;
    QTest::newRow("check") << 14 << TransferPhase::Verify << 5 << false;
}

void TransferControlTest::stopAfterBlockLetsTheBlockFinish() {
    QFETCH(int, timerEvents);
    QFETCH(TransferPhase, phase);
    QFETCH(int, blocksSent);
    QFETCH(bool, waits);
    Rig rig(Rk520Rules());
    Rig::Radio radio;
    rig.Write({true, true});
    rig.Serve(radio, timerEvents);
    rig.transfer.StopAfterBlock();
    if (waits) {
        QVERIFY(rig.record.stops.empty() && rig.transfer.IsWriting());
        QVERIFY(rig.Fire(kWriteBlockTimer));
    }
    QCOMPARE(rig.record.stops, std::vector<TransferPhase>{phase});
    QCOMPARE(rig.transfer.Job().blocksSent, blocksSent);
    QVERIFY(rig.record.messages.empty());
    QVERIFY(rig.transfer.IsIdle() && rig.timers.running.empty() && !rig.port.IsOpen());
}

void TransferControlTest::closeRequestStopsTimers() {
    Rig rig(Rk520Rules());
    rig.Write();
    rig.port.Reply(kHandshake);
    QVERIFY(rig.Fire(kHandshakeTimer));
    QVERIFY(rig.port.IsOpen());
    rig.transfer.OnCloseRequest();
    QVERIFY(rig.timers.running.empty());
    QVERIFY(!rig.port.IsOpen());
    QVERIFY(rig.transfer.IsWriting());
    QVERIFY(rig.record.messages.empty());
}

void TransferControlTest::strayTimerEventsOnlyClose() {
    Rig rig(Rk520Rules());
    for (const int id : {1, 2, 3, 7}) rig.transfer.OnTimer(id);
    QCOMPARE(rig.port.events, Repeat({"close"}, 4));
    QVERIFY(rig.record.messages.empty());
    QVERIFY(rig.transfer.IsIdle());

    // A block-reply event during a write changes nothing but the port.
    rig.Write();
    rig.port.Reply(kHandshake);
    QVERIFY(rig.Fire(kHandshakeTimer));
    const int row = rig.transfer.State().writeRow;
    rig.transfer.OnTimer(kBlockReplyTimer);
    QCOMPARE(rig.transfer.State().writeRow, row);
    QVERIFY(rig.timers.IsRunning(kWriteBlockTimer));
    QVERIFY(rig.transfer.IsWriting());
}

int RunTransferControlTests(int argc, char** argv) {
    TransferControlTest test;
    return RunTestObject(test, argc, argv);
}

#include "TransferControlTest.moc"
