// The clone transfer's reads: blocks, short replies and the handshake.

#include "TestRunner.h"
#include "TransferRig.h"

using namespace rk;
using namespace rk::test;

class TransferReadTest : public QObject {
    Q_OBJECT

private slots:
    void init() { g_check = CheckPlan{}; }

    void readStoresImageOnlyWhenComplete_data();
    void readStoresImageOnlyWhenComplete();
    void shortBlockReplyFailsRead_data();
    void shortBlockReplyFailsRead();
    void handshakeReply_data();
    void handshakeReply();
    void handshakeBufferClearedBeforeEachTry();
};

void TransferReadTest::readStoresImageOnlyWhenComplete_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("menuPort");
    QTest::addColumn<QString>("expectedPort");
    QTest::addColumn<QString>("doneMessage");
    QTest::newRow("rk520 uses the menu's port") << "rk520" << "COM2" << "COM2" << QString::fromUtf8("数据已从对讲机中读出");
    QTest::newRow("rk7400 tries the menu's port first") << "rk7400" << "COM2" << "COM2" << QString::fromUtf8("Чтение данных завершено");
}

void TransferReadTest::readStoresImageOnlyWhenComplete() {
    QFETCH(QString, model);
    QFETCH(QString, menuPort);
    QFETCH(QString, expectedPort);
    QFETCH(QString, doneMessage);
    Rig rig(ProfileNamed(model));
    rig.menuPort = menuPort.toStdString();
    rig.port.openable = {"COM1", "COM2"};
    const RadioImage radio = SampleImage();
    auto replies = BlockReplies(radio);
    const auto listVersion = rig.document.ValidListVersion();

    rig.Read();
    QCOMPARE(rig.transfer.State().transferState, TransferState::Reading);
    QVERIFY(rig.timers.IsRunning(kHandshakeTimer));
    auto last = replies.back();
    replies.pop_back();
    QVERIFY(rig.ServeRead(replies));
    // Four blocks in: the document has not been touched yet.
    QVERIFY(rig.DocumentAsBefore());
    QCOMPARE(rig.record.readShown, 0);
    rig.port.Reply(last);
    QVERIFY(rig.Fire(kBlockReplyTimer));

    QCOMPARE(rig.document.Image(), radio);
    QCOMPARE(rig.document.ValidChannels(), BuildValidChannels(radio));
    QVERIFY(rig.document.ValidListVersion() != listVersion);
    QCOMPARE(rig.document.CurrentChannel(), 0);
    QVERIFY(rig.document.IsModified());
    QCOMPARE(rig.record.readShown, 1);
    QCOMPARE(rig.record.messages, std::vector<std::string>{doneMessage.toStdString()});
    QVERIFY(rig.transfer.IsIdle());
    QVERIFY(rig.timers.running.empty());
    QVERIFY(!rig.port.IsOpen());

    const std::string port = expectedPort.toStdString();
    const std::vector<std::string> step{"open " + port, "write 4", "read"};
    QCOMPARE(rig.port.events, Join({step, Repeat(Join({{"close"}, step}), 5), {"close"}}));
    Bytes expectedSent = kHandshake;
    for (int i = 0; i < 5; ++i) expectedSent.insert(expectedSent.end(), kRequest.begin(), kRequest.end());
    QCOMPARE(rig.port.AllSent(), expectedSent);
    QCOMPARE(rig.timers.started, (std::vector<int>{3, 1, 1, 1, 1, 1}));
}

void TransferReadTest::shortBlockReplyFailsRead_data() {
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("completes");
    QTest::newRow("first block silent") << 0 << 0 << false;
    QTest::newRow("first block one byte short") << 0 << 255 << false;
    QTest::newRow("third block 100 bytes") << 2 << 100 << false;
    QTest::newRow("fourth block one byte") << 3 << 1 << false;
    QTest::newRow("fifth block 63 bytes") << 4 << 63 << false;
    QTest::newRow("fifth block 64 bytes is enough") << 4 << 64 << true;
    QTest::newRow("300 bytes fill the block") << 1 << 300 << true;
}

void TransferReadTest::shortBlockReplyFailsRead() {
    QFETCH(int, block);
    QFETCH(int, length);
    QFETCH(bool, completes);
    for (const QString model : {"rk520", "rk7400"}) {
        Rig rig(ProfileNamed(model));
        const RadioImage radio = SampleImage();
        auto replies = BlockReplies(radio);
        auto& reply = replies[static_cast<std::size_t>(block)];
        reply.resize(static_cast<std::size_t>(length), 0x5A);
        rig.Read();
        rig.ServeRead(replies);

        QVERIFY(rig.transfer.IsIdle());
        QVERIFY(rig.timers.running.empty());
        QVERIFY(!rig.port.IsOpen());
        QCOMPARE(rig.record.messages.size(), std::size_t{1});
        if (completes) {
            QCOMPARE(rig.record.messages[0], std::string(TextsOf(ProfileNamed(model)).transfer.readDone));
            QCOMPARE(rig.document.Image(), radio);
        } else {
            QCOMPARE(rig.record.messages[0], std::string(TextsOf(ProfileNamed(model)).transfer.incompleteRead));
            QVERIFY(rig.DocumentAsBefore());
            QCOMPARE(rig.record.readShown, 0);
            // No request follows the failed block.
            QCOMPARE(rig.port.sent.size(), static_cast<std::size_t>(block + 2));
        }
    }
}

void TransferReadTest::handshakeReply_data() {
    QTest::addColumn<Bytes>("reply");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("FF 11 22 33") << Bytes{0xFF, 0x11, 0x22, 0x33} << true;
    QTest::newRow("FF 11 alone") << Bytes{0xFF, 0x11} << true;
    QTest::newRow("FF 11 and more") << Bytes{0xFF, 0x11, 0x00, 0x99, 0x42} << true;
    QTest::newRow("FF 12") << Bytes{0xFF, 0x12, 0x22, 0x33} << false;
    QTest::newRow("FF only") << Bytes{0xFF} << false;
    QTest::newRow("11 FF") << Bytes{0x11, 0xFF} << false;
    QTest::newRow("silence") << Bytes{} << false;
}

void TransferReadTest::handshakeReply() {
    QFETCH(Bytes, reply);
    QFETCH(bool, accepted);
    for (const bool writing : {false, true}) {
        Rig rig(Rk520Rules());
        writing ? rig.Write() : rig.Read();
        rig.port.Reply(reply);
        QVERIFY(rig.Fire(kHandshakeTimer));
        if (accepted) {
            QVERIFY(rig.record.messages.empty());
            QCOMPARE(rig.port.sent.size(), std::size_t{2});
            QCOMPARE(rig.port.sent[1].bytes.size(), writing ? std::size_t{256} : std::size_t{4});
            QVERIFY(rig.timers.IsRunning(writing ? kWriteBlockTimer : kBlockReplyTimer));
        } else {
            QCOMPARE(FirstLines(rig.record.messages), std::vector<std::string>{"请检查COM口至对讲机的连接及其设置"});
            QVERIFY(rig.transfer.IsIdle());
            QVERIFY(rig.timers.running.empty());
            QCOMPARE(rig.port.sent.size(), std::size_t{1});
            QVERIFY(!rig.port.IsOpen());
        }
    }
}

void TransferReadTest::handshakeBufferClearedBeforeEachTry() {
    // A settings block that starts FF 11 stays in the receive buffer after a
    // read; a silent radio must not pass the next handshake on those bytes.
    Rig rig(Rk520Rules());
    RadioImage radio = SampleImage();
    radio.Settings().setLastUsedChannel(0xFF);
    radio.Settings().setSettingsByte1(0x11);
    rig.Read();
    auto replies = BlockReplies(radio);
    std::rotate(replies.begin(), replies.begin() + 4, replies.end());  // block 5 answers the handshake
    rig.port.Reply(replies.front());
    QVERIFY(rig.Fire(kHandshakeTimer));
    for (int i = 0; i < 5; ++i) {
        rig.port.Reply(BlockReplies(radio)[static_cast<std::size_t>(i)]);
        QVERIFY(rig.Fire(kBlockReplyTimer));
    }
    QCOMPARE(rig.document.Image(), radio);
    rig.record.messages.clear();

    rig.Read();
    QVERIFY(rig.Fire(kHandshakeTimer));
    QCOMPARE(FirstLines(rig.record.messages), std::vector<std::string>{"请检查COM口至对讲机的连接及其设置"});
}

int RunTransferReadTests(int argc, char** argv) {
    TransferReadTest test;
    return RunTestObject(test, argc, argv);
}

#include "TransferReadTest.moc"
