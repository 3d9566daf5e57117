// The clone transfer's writes: the blocks, a refused write, the backup before and the check after.

#include "TestRunner.h"
#include "TransferRig.h"

using namespace rk;
using namespace rk::test;

class TransferWriteTest : public QObject {
    Q_OBJECT

private slots:
    void init() { g_check = CheckPlan{}; }

    void writeSendsFiveBlocks_data();
    void writeSendsFiveBlocks();
    void refusedWriteShowsChannel();
    void writeWithBackupAndCheck();
    void backupNotKeptWritesNothing();
};

void TransferWriteTest::writeSendsFiveBlocks_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("doneMessage");
    QTest::newRow("rk520") << "rk520" << QString::fromUtf8("数据已写入对讲机");
    QTest::newRow("rk7400") << "rk7400" << QString::fromUtf8("Запись данных завершена");
}

void TransferWriteTest::writeSendsFiveBlocks() {
    QFETCH(QString, model);
    QFETCH(QString, doneMessage);
    Rig rig(ProfileNamed(model));
    const RadioImage sent = rig.document.Image();
    rig.Write();
    QCOMPARE(g_check.calls, 1);
    QVERIFY(rig.transfer.IsWriting());
    rig.port.Reply(kHandshake);
    QVERIFY(rig.Fire(kHandshakeTimer));
    // An edit made while the write runs does not reach the radio.
    rig.document.Edit([](RadioImage& image) {
        image.Channel(0).setRxFreq(12'345'678);
        image[1087] = 0x99;
    });
    for (int block = 0; block < 5; ++block) {
        QVERIFY(rig.transfer.IsWriting());
        QVERIFY(rig.record.messages.empty());
        QVERIFY(rig.Fire(kWriteBlockTimer));
    }
    QCOMPARE(rig.record.messages, std::vector<std::string>{doneMessage.toStdString()});
    QVERIFY(rig.transfer.IsIdle());
    QVERIFY(rig.timers.running.empty());
    QCOMPARE(rig.timers.started, (std::vector<int>{3, 2, 2, 2, 2, 2}));

    QCOMPARE(rig.port.sent.size(), std::size_t{6});
    QCOMPARE(rig.port.sent[0].bytes, kHandshake);
    Bytes blocks;
    for (std::size_t i = 1; i < 6; ++i) {
        QCOMPARE(rig.port.sent[i].bytes.size(), std::size_t{256});
        blocks.insert(blocks.end(), rig.port.sent[i].bytes.begin(), rig.port.sent[i].bytes.end());
    }
    QCOMPARE(Bytes(blocks.begin(), blocks.begin() + 1088), Bytes(sent.Bytes().begin(), sent.Bytes().end()));
    QCOMPARE(Bytes(blocks.begin() + 1088, blocks.end()), Bytes(192, 0));
    // No reads during a write, and the port is closed at each timer event.
    const std::vector<std::string> step{"open COM1", "write 256"};
    QCOMPARE(rig.port.events,
             Join({{"open COM1", "write 4", "read"}, Repeat(Join({{"close"}, step}), 5), {"close"}}));
}

void TransferWriteTest::refusedWriteShowsChannel() {
    Rig rig(Rk520Rules());
    g_check.pass = false;
    g_check.failingChannel = 7;
    g_check.rule = WriteRule::RxOutOfBand;
    rig.Write();
    QCOMPARE(rig.record.messages, std::vector<std::string>{"接收频率值超出频段范围"});
    QCOMPARE(rig.document.CurrentChannel(), 7);
    QCOMPARE(rig.record.refused, std::vector<int>{7});
    QVERIFY(rig.port.events.empty());
    QVERIFY(rig.timers.started.empty());
    QVERIFY(rig.transfer.IsIdle());

    // A verdict without a usable channel selects nothing.
    g_check.failingChannel = 64;
    rig.Write();
    QCOMPARE(rig.record.refused, std::vector<int>{7});
    QCOMPARE(rig.document.CurrentChannel(), 7);
    QVERIFY(rig.transfer.IsIdle());

    // Refused, then fixed: the next write goes out.
    g_check.pass = true;
    rig.Write();
    QVERIFY(rig.transfer.IsWriting());
    QCOMPARE(rig.port.events.front(), std::string("open COM1"));
}

void TransferWriteTest::writeWithBackupAndCheck() {
    Rig rig(Rk520Rules());
    Rig::Radio radio;
    const RadioImage before = radio.image;
    rig.Write({true, true});
    rig.Serve(radio);

    // Read, write, read: three whole exchanges, one straight after the other.
    QCOMPARE(rig.timers.started, (std::vector<int>{3, 1, 1, 1, 1, 1, 3, 2, 2, 2, 2, 2, 3, 1, 1, 1, 1, 1}));
    QCOMPARE(radio.image, EarlierImage());
    QCOMPARE(rig.archive.kept.size(), std::size_t{2});
    QCOMPARE(rig.archive.kept[0].kind, BackupKind::BeforeWrite);
    QCOMPARE(rig.archive.kept[0].image, before);
    QCOMPARE(rig.archive.kept[1].kind, BackupKind::Verify);
    QVERIFY(rig.DocumentAsBefore());
    QCOMPARE(rig.record.messages,
             std::vector<std::string>{"数据已写入对讲机\n读回校验一致。\n写入前的对讲机数据已保存到：/backups/1"});
    // Progress runs over the whole operation.
    QCOMPARE(rig.record.steps.size(), std::size_t{18});
    QCOMPARE(rig.record.steps[6].phase, TransferPhase::Write);
    QCOMPARE(rig.record.steps[9].done, 21 + 1 + 2 * 4);
    QCOMPARE(rig.record.steps.back().done, 59);
    QCOMPARE(rig.record.steps.back().total, 63);
}

void TransferWriteTest::backupNotKeptWritesNothing() {
    Rig rig(Rk520Rules());
    Rig::Radio radio;
    rig.archive.fail = true;
    rig.Write({true, false});
    rig.Serve(radio);
    QCOMPARE(rig.record.messages, std::vector<std::string>{"无法保存对讲机数据的备份文件：/backups/full"
                                                         "（No space left on device）\n未写入任何数据。"});
    QCOMPARE(rig.port.sent.size(), std::size_t{6});  // the backup read's requests only
    QCOMPARE(radio.image, SampleImage());
}

int RunTransferWriteTests(int argc, char** argv) {
    TransferWriteTest test;
    return RunTestObject(test, argc, argv);
}

#include "TransferWriteTest.moc"
