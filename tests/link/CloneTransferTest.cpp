// The clone transfer state machine against a fake port and fake timers: the
// test plays the radio and fires every timer event itself.

#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "CloneTransfer.h"
#include "FakeLink.h"
#include "RadioDocument.h"
#include "TransferRecord.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "TestImages.h"

using namespace rk;
using namespace rk::test;

Q_DECLARE_METATYPE(Bytes)
Q_DECLARE_METATYPE(rk::TransferPhase)
Q_DECLARE_METATYPE(rk::PortProblem)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

const ModelRules& ProfileNamed(const QString& name) { return name == "rk7400" ? Rk7400Rules() : Rk520Rules(); }

// Stands in for the pre-write check, which has tests of its own.
struct CheckPlan {
    bool pass = true;
    int failingChannel = -1;
    const char* message = nullptr;
    int calls = 0;
};
CheckPlan g_check;

ValidationVerdict FakeCheck(RadioImage& image, const ValidationRules&) {
    ++g_check.calls;
    ValidationVerdict verdict;
    verdict.passed = g_check.pass;
    if (g_check.pass)
        verdict.transferBytes = image.Bytes();
    else {
        verdict.failingChannel = g_check.failingChannel;
        verdict.message = g_check.message;
    }
    return verdict;
}

const Bytes kHandshake{0xFF, 0x11, 0x22, 0x33};
const Bytes kRequest{0xFF, 0x00, 0xFF, 0x00};

// An image unlike SampleImage, loaded into the document before a read so
// that "unchanged" means something.
RadioImage EarlierImage() {
    RadioImage image = SampleImage();
    image.Channel(0).setRxFreq(0);
    image.Channel(20).setRxFreq(45'000'000);
    image.Channel(20).setTxFreq(45'000'000);
    image.Channel(33).Bytes()[14] = 0x77;
    return image;
}

// The transfer as a program drives it: the menu's port and the model's
// search rule give the ports, a write sends the document's image and a read
// becomes the document's (TransferRecord).
struct Rig {
    explicit Rig(const ModelRules& model)
        : rules(model), host(model.transfer, &document), transfer(model, port, timers, host, &FakeCheck, &archive) {
        document.LoadImage(EarlierImage());
    }

    void Read() {
        transfer.SetPorts(ProgramPorts(rules, menuPort));
        transfer.OnReadRadio();
    }
    void Write(WriteOptions options = {}) {
        transfer.SetPorts(ProgramPorts(rules, menuPort));
        transfer.OnWriteRadio(document.Image(), options);
    }

    // Fires a running timer the way the event loop would: it is one-shot.
    bool Fire(int id) {
        if (!timers.IsRunning(id)) return false;
        timers.running.erase(id);
        transfer.OnTimer(id);
        return true;
    }

    // Answers the handshake and serves `replies` block by block; stops early
    // when a timer the read needs is not running.
    bool ServeRead(const std::vector<Bytes>& replies) {
        port.Reply(kHandshake);
        if (!Fire(kHandshakeTimer)) return false;
        for (const Bytes& reply : replies) {
            port.Reply(reply);
            if (!Fire(kBlockReplyTimer)) return false;
        }
        return true;
    }

    // Plays a radio that holds `image`: it answers every handshake, serves
    // its image to reads and keeps what writes send. Fires timers until the
    // transfer rests or `steps` timer events have passed.
    struct Radio {
        RadioImage image = SampleImage();
    };
    void Serve(Radio& radio, int steps = 1000) {
        for (int i = 0; i < steps; ++i) {
            if (timers.IsRunning(kHandshakeTimer)) {
                port.Reply(kHandshake);
                Fire(kHandshakeTimer);
            } else if (timers.IsRunning(kBlockReplyTimer)) {
                port.Reply(BlockReplies(radio.image)[static_cast<std::size_t>(transfer.State().readRow / 16)]);
                Fire(kBlockReplyTimer);
            } else if (timers.IsRunning(kWriteBlockTimer)) {
                const Bytes& block = port.sent.back().bytes;
                const auto start = static_cast<std::size_t>(transfer.State().writeRow) * 16;
                for (std::size_t b = 0; b < block.size() && start + b < kImageSize; ++b) radio.image[start + b] = block[b];
                Fire(kWriteBlockTimer);
            } else {
                return;
            }
        }
    }

    bool DocumentAsBefore() const {
        return document.Image() == EarlierImage() && document.ValidChannels() == BuildValidChannels(EarlierImage()) &&
               !document.IsModified();
    }

    const ModelRules& rules;
    std::string menuPort = "COM1";
    RadioDocument document;
    FakeSerialPort port;
    FakeTimers timers;
    FakeArchive archive;
    TransferRecord host;
    CloneTransfer transfer;
};

std::vector<std::string> Repeat(const std::vector<std::string>& part, int times) {
    std::vector<std::string> all;
    for (int i = 0; i < times; ++i) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace

class CloneTransferTest : public QObject {
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
    void openFailure_data();
    void openFailure();
    void writeSendsFiveBlocks_data();
    void writeSendsFiveBlocks();
    void refusedWriteShowsChannel();
    void secondCommandIgnored_data();
    void secondCommandIgnored();
    void portSearch_data();
    void portSearch();
    void writeWithBackupAndCheck();
    void backupNotKeptWritesNothing();
    void stopEndsEveryPhase_data();
    void stopEndsEveryPhase();
    void failedPortsExplained_data();
    void failedPortsExplained();
    void closeRequestStopsTimers();
    void strayTimerEventsOnlyClose();
};

void CloneTransferTest::readStoresImageOnlyWhenComplete_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("menuPort");
    QTest::addColumn<QString>("expectedPort");
    QTest::addColumn<QString>("doneMessage");
    QTest::newRow("rk520 uses the menu's port") << "rk520" << "COM2" << "COM2" << QString::fromUtf8("数据已从对讲机中读出");
    QTest::newRow("rk7400 tries the menu's port first") << "rk7400" << "COM2" << "COM2" << QString::fromUtf8("Чтение данных завершено");
}

void CloneTransferTest::readStoresImageOnlyWhenComplete() {
    QFETCH(QString, model);
    QFETCH(QString, menuPort);
    QFETCH(QString, expectedPort);
    QFETCH(QString, doneMessage);
    Rig rig(ProfileNamed(model));
    rig.menuPort = menuPort.toStdString();
    rig.port.openable = {"COM1", "COM2"};
    const RadioImage radio = SampleImage();
    auto replies = BlockReplies(radio);

    rig.Read();
    QCOMPARE(rig.transfer.State().transferState, TransferState::Reading);
    QVERIFY(rig.timers.IsRunning(kHandshakeTimer));
    auto last = replies.back();
    replies.pop_back();
    QVERIFY(rig.ServeRead(replies));
    // Four blocks in: the document has not been touched yet.
    QVERIFY(rig.DocumentAsBefore());
    QCOMPARE(rig.host.readShown, 0);
    rig.port.Reply(last);
    QVERIFY(rig.Fire(kBlockReplyTimer));

    QCOMPARE(rig.document.Image(), radio);
    QCOMPARE(rig.document.ValidChannels(), BuildValidChannels(radio));
    QVERIFY(rig.document.ValidListNeedsRefill());
    QCOMPARE(rig.document.CurrentChannel(), 0);
    QVERIFY(rig.document.IsModified());
    QCOMPARE(rig.host.readShown, 1);
    QCOMPARE(rig.host.messages, std::vector<std::string>{doneMessage.toStdString()});
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

void CloneTransferTest::shortBlockReplyFailsRead_data() {
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

void CloneTransferTest::shortBlockReplyFailsRead() {
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
        QCOMPARE(rig.host.messages.size(), std::size_t{1});
        if (completes) {
            QCOMPARE(rig.host.messages[0], std::string(ProfileNamed(model).transfer.readDone));
            QCOMPARE(rig.document.Image(), radio);
        } else {
            QCOMPARE(rig.host.messages[0], std::string(ProfileNamed(model).transfer.incompleteRead));
            QVERIFY(rig.DocumentAsBefore());
            QCOMPARE(rig.host.readShown, 0);
            // No request follows the failed block.
            QCOMPARE(rig.port.sent.size(), static_cast<std::size_t>(block + 2));
        }
    }
}

void CloneTransferTest::handshakeReply_data() {
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

void CloneTransferTest::handshakeReply() {
    QFETCH(Bytes, reply);
    QFETCH(bool, accepted);
    for (const bool writing : {false, true}) {
        Rig rig(Rk520Rules());
        writing ? rig.Write() : rig.Read();
        rig.port.Reply(reply);
        QVERIFY(rig.Fire(kHandshakeTimer));
        if (accepted) {
            QVERIFY(rig.host.messages.empty());
            QCOMPARE(rig.port.sent.size(), std::size_t{2});
            QCOMPARE(rig.port.sent[1].bytes.size(), writing ? std::size_t{256} : std::size_t{4});
            QVERIFY(rig.timers.IsRunning(writing ? kWriteBlockTimer : kBlockReplyTimer));
        } else {
            QCOMPARE(FirstLines(rig.host.messages), std::vector<std::string>{"请检查COM口至对讲机的连接及其设置"});
            QVERIFY(rig.transfer.IsIdle());
            QVERIFY(rig.timers.running.empty());
            QCOMPARE(rig.port.sent.size(), std::size_t{1});
            QVERIFY(!rig.port.IsOpen());
        }
    }
}

void CloneTransferTest::handshakeBufferClearedBeforeEachTry() {
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
    rig.host.messages.clear();

    rig.Read();
    QVERIFY(rig.Fire(kHandshakeTimer));
    QCOMPARE(FirstLines(rig.host.messages), std::vector<std::string>{"请检查COM口至对讲机的连接及其设置"});
}

void CloneTransferTest::openFailure_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("writing");
    QTest::addColumn<int>("opensAllowed");  // successful opens before the failing one
    QTest::addColumn<QString>("message");
    const QString rk520Open = QString::fromUtf8("创建通信失败");
    const QString rk520File = QString::fromUtf8("建立通信文件失败");
    const QString rk7400 = QString::fromUtf8("Ошибка подключения");
    QTest::newRow("rk520 read, handshake") << "rk520" << false << 0 << rk520Open;
    QTest::newRow("rk520 write, handshake") << "rk520" << true << 0 << rk520Open;
    QTest::newRow("rk520 read, second block request") << "rk520" << false << 2 << rk520Open;
    QTest::newRow("rk520 read, last block request") << "rk520" << false << 5 << rk520Open;
    QTest::newRow("rk520 write, first block") << "rk520" << true << 1 << rk520File;
    QTest::newRow("rk520 write, third block") << "rk520" << true << 3 << rk520File;
    QTest::newRow("rk7400 read, no port at all") << "rk7400" << false << 0 << rk7400;
    QTest::newRow("rk7400 write, no port at all") << "rk7400" << true << 0 << rk7400;
    QTest::newRow("rk7400 read, fourth block request") << "rk7400" << false << 4 << rk7400;
    QTest::newRow("rk7400 write, fifth block") << "rk7400" << true << 5 << rk7400;
}

void CloneTransferTest::openFailure() {
    QFETCH(QString, model);
    QFETCH(bool, writing);
    QFETCH(int, opensAllowed);
    QFETCH(QString, message);
    Rig rig(ProfileNamed(model));
    rig.port.opensLeft = opensAllowed;
    writing ? rig.Write() : rig.Read();
    if (opensAllowed > 0) {
        rig.port.Reply(kHandshake);
        QVERIFY(rig.Fire(kHandshakeTimer));
        const int blockTimer = writing ? kWriteBlockTimer : kBlockReplyTimer;
        for (int step = 1; step < opensAllowed; ++step) {
            rig.port.Reply(BlockReplies(SampleImage())[0]);
            QVERIFY(rig.Fire(blockTimer));
        }
    } else {
        // Nothing opened: the message comes at once, with no timer started.
        QVERIFY(rig.timers.started.empty());
        const std::size_t tries = model == "rk7400" ? 8 : 1;
        QCOMPARE(rig.port.events.size(), tries + 1);
        QCOMPARE(rig.port.events.back(), std::string("close"));
    }
    QCOMPARE(FirstLines(rig.host.messages), std::vector<std::string>{message.toStdString()});
    QVERIFY(rig.transfer.IsIdle());
    QVERIFY(rig.timers.running.empty());
    QVERIFY(!rig.port.IsOpen());
    QCOMPARE(rig.port.sent.size(), static_cast<std::size_t>(opensAllowed));
    QVERIFY(rig.DocumentAsBefore());
}

void CloneTransferTest::writeSendsFiveBlocks_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("doneMessage");
    QTest::newRow("rk520") << "rk520" << QString::fromUtf8("数据已写入对讲机");
    QTest::newRow("rk7400") << "rk7400" << QString::fromUtf8("Запись данных завершена");
}

void CloneTransferTest::writeSendsFiveBlocks() {
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
        QVERIFY(rig.host.messages.empty());
        QVERIFY(rig.Fire(kWriteBlockTimer));
    }
    QCOMPARE(rig.host.messages, std::vector<std::string>{doneMessage.toStdString()});
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

void CloneTransferTest::refusedWriteShowsChannel() {
    Rig rig(Rk520Rules());
    g_check.pass = false;
    g_check.failingChannel = 7;
    g_check.message = "接收频率值超出频段范围";
    rig.Write();
    QCOMPARE(rig.host.messages, std::vector<std::string>{"接收频率值超出频段范围"});
    QCOMPARE(rig.document.CurrentChannel(), 7);
    QCOMPARE(rig.host.refused, std::vector<int>{7});
    QVERIFY(rig.port.events.empty());
    QVERIFY(rig.timers.started.empty());
    QVERIFY(rig.transfer.IsIdle());

    // A verdict without a usable channel selects nothing.
    g_check.failingChannel = 64;
    rig.Write();
    QCOMPARE(rig.host.refused, std::vector<int>{7});
    QCOMPARE(rig.document.CurrentChannel(), 7);
    QVERIFY(rig.transfer.IsIdle());

    // Refused, then fixed: the next write goes out.
    g_check.pass = true;
    rig.Write();
    QVERIFY(rig.transfer.IsWriting());
    QCOMPARE(rig.port.events.front(), std::string("open COM1"));
}

void CloneTransferTest::secondCommandIgnored_data() {
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

void CloneTransferTest::secondCommandIgnored() {
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
    QVERIFY(rig.host.messages.empty());
}

void CloneTransferTest::portSearch_data() {
    QTest::addColumn<std::vector<std::string>>("openable");
    QTest::addColumn<std::vector<std::string>>("answering");  // ports that reply FF 11 22 33
    QTest::addColumn<std::vector<std::string>>("refusing");   // ports that reply FF 12
    QTest::addColumn<QString>("usedPort");                    // empty: the search fails
    QTest::addColumn<int>("handshakeWindows");
    using V = std::vector<std::string>;
    QTest::newRow("COM1 silent, COM2 answers") << V{"COM1", "COM2"} << V{"COM2"} << V{} << "COM2" << 2;
    QTest::newRow("COM1 answers FF 12, COM2 answers") << V{"COM1", "COM2"} << V{"COM2"} << V{"COM1"} << "COM2" << 2;
    QTest::newRow("absent ports skipped") << V{"COM5"} << V{"COM5"} << V{} << "COM5" << 1;
    QTest::newRow("COM3 silent, COM6 answers") << V{"COM3", "COM6", "COM7"} << V{"COM6", "COM7"} << V{} << "COM6" << 2;
    QTest::newRow("only COM8 opens, silent") << V{"COM8"} << V{} << V{} << "" << 1;
    QTest::newRow("all silent") << V{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"} << V{} << V{}
                                << "" << 8;
}

void CloneTransferTest::portSearch() {
    QFETCH(std::vector<std::string>, openable);
    QFETCH(std::vector<std::string>, answering);
    QFETCH(std::vector<std::string>, refusing);
    QFETCH(QString, usedPort);
    QFETCH(int, handshakeWindows);
    for (const bool writing : {false, true}) {
        Rig rig(Rk7400Rules());
        rig.port.openable = std::set<std::string>(openable.begin(), openable.end());
        writing ? rig.Write() : rig.Read();
        int windows = 0;
        while (rig.timers.IsRunning(kHandshakeTimer)) {
            const std::string& port = rig.port.OpenName();
            if (std::find(answering.begin(), answering.end(), port) != answering.end()) rig.port.Reply(kHandshake);
            if (std::find(refusing.begin(), refusing.end(), port) != refusing.end()) rig.port.Reply({0xFF, 0x12});
            ++windows;
            QVERIFY(rig.Fire(kHandshakeTimer));
        }
        QCOMPARE(windows, handshakeWindows);
        if (usedPort.isEmpty()) {
            QCOMPARE(FirstLines(rig.host.messages), std::vector<std::string>{"Проверьте настройки и подключение рации"});
            QVERIFY(rig.transfer.IsIdle());
            QCOMPARE(rig.transfer.State().portIndex, 7);
            continue;
        }
        const int blockTimer = writing ? kWriteBlockTimer : kBlockReplyTimer;
        const auto replies = BlockReplies(SampleImage());
        for (int block = 0; block < 5; ++block) {
            rig.port.Reply(replies[static_cast<std::size_t>(block)]);
            QVERIFY(rig.Fire(blockTimer));
        }
        QVERIFY(rig.transfer.IsIdle());
        QCOMPARE(rig.host.messages.size(), std::size_t{1});
        QCOMPARE(rig.host.messages[0],
                 std::string(writing ? "Запись данных завершена" : "Чтение данных завершено"));
        // Every block went through the port that answered.
        QCOMPARE(rig.port.sent.size(), static_cast<std::size_t>(handshakeWindows + 5));
        for (std::size_t i = static_cast<std::size_t>(handshakeWindows); i < rig.port.sent.size(); ++i)
            QCOMPARE(rig.port.sent[i].port, usedPort.toStdString());
        if (!writing) QCOMPARE(rig.document.Image(), SampleImage());
    }
}

void CloneTransferTest::writeWithBackupAndCheck() {
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
    QCOMPARE(rig.host.messages,
             std::vector<std::string>{"数据已写入对讲机\n读回校验一致。\n写入前的对讲机数据已保存到：/backups/1"});
    // Progress runs over the whole operation.
    QCOMPARE(rig.host.steps.size(), std::size_t{18});
    QCOMPARE(rig.host.steps[6].phase, TransferPhase::Write);
    QCOMPARE(rig.host.steps[9].done, 21 + 1 + 2 * 4);
    QCOMPARE(rig.host.steps.back().done, 59);
    QCOMPARE(rig.host.steps.back().total, 63);
}

void CloneTransferTest::backupNotKeptWritesNothing() {
    Rig rig(Rk520Rules());
    Rig::Radio radio;
    rig.archive.fail = true;
    rig.Write({true, false});
    rig.Serve(radio);
    QCOMPARE(rig.host.messages, std::vector<std::string>{"无法保存对讲机数据的备份文件：/backups/full"
                                                         "（No space left on device）\n未写入任何数据。"});
    QCOMPARE(rig.port.sent.size(), std::size_t{6});  // the backup read's requests only
    QCOMPARE(radio.image, SampleImage());
}

void CloneTransferTest::stopEndsEveryPhase_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<int>("timerEvents");
    QTest::addColumn<TransferPhase>("phase");
    QTest::newRow("read") << false << 3 << TransferPhase::Read;
    QTest::newRow("backup") << true << 3 << TransferPhase::Backup;
    QTest::newRow("write") << true << 9 << TransferPhase::Write;
    QTest::newRow("check") << true << 14 << TransferPhase::Verify;
}

void CloneTransferTest::stopEndsEveryPhase() {
    QFETCH(bool, writing);
    QFETCH(int, timerEvents);
    QFETCH(TransferPhase, phase);
    Rig rig(Rk520Rules());
    Rig::Radio radio;
    writing ? rig.Write({true, true}) : rig.Read();
    rig.Serve(radio, timerEvents);
    rig.transfer.Stop();
    QCOMPARE(rig.host.stops, std::vector<TransferPhase>{phase});
    QVERIFY(rig.host.messages.empty());
    QVERIFY(rig.transfer.IsIdle() && rig.timers.running.empty() && !rig.port.IsOpen());
    QVERIFY(rig.DocumentAsBefore());
}

// As root every device opens, so the permission text is checked here.
void CloneTransferTest::failedPortsExplained_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<PortProblem>("problem");
    QTest::addColumn<QString>("explanation");  // the lines below the model's message
    QTest::newRow("rk520, no permission")
        << "rk520" << PortProblem::PermissionDenied
        << QString::fromUtf8("COM1 = /dev/fake-COM1：没有打开该设备的权限。请把当前用户加入 dialout 组："
                             "sudo usermod -aG dialout $USER，然后重新登录。");
    QTest::newRow("rk7400 lists the ports it tried")
        << "rk7400" << PortProblem::PermissionDenied
        << QString::fromUtf8("Проверенные порты:\nCOM1 = /dev/fake-COM1: нет прав на открытие устройства. Добавьте "
                             "пользователя в группу dialout: sudo usermod -aG dialout $USER, затем войдите в систему "
                             "заново.\nCOM2 = /dev/fake-COM2: нет прав");
    QTest::newRow("rk7400, no serial device at all")
        << "rk7400" << PortProblem::NoSerialDevices
        << QString::fromUtf8("На компьютере не найдено ни одного последовательного порта. "
                             "Подключите кабель программирования (USB-переходник) и повторите.");
}

void CloneTransferTest::failedPortsExplained() {
    QFETCH(QString, model);
    QFETCH(PortProblem, problem);
    QFETCH(QString, explanation);
    Rig rig(ProfileNamed(model));
    rig.port.openable.clear();
    for (const char* name : kPortTable) rig.port.problems[name] = problem;
    rig.Read();
    QCOMPARE(rig.host.messages.size(), std::size_t{1});
    const QString text = QString::fromStdString(rig.host.messages[0]);
    QCOMPARE(text.section('\n', 0, 0), QString::fromUtf8(ProfileNamed(model).transfer.openFailedHandshake));
    QVERIFY2(text.section('\n', 1).startsWith(explanation), qPrintable(text));
}

void CloneTransferTest::closeRequestStopsTimers() {
    Rig rig(Rk520Rules());
    rig.Write();
    rig.port.Reply(kHandshake);
    QVERIFY(rig.Fire(kHandshakeTimer));
    QVERIFY(rig.port.IsOpen());
    rig.transfer.OnCloseRequest();
    QVERIFY(rig.timers.running.empty());
    QVERIFY(!rig.port.IsOpen());
    QVERIFY(rig.transfer.IsWriting());
    QVERIFY(rig.host.messages.empty());
}

void CloneTransferTest::strayTimerEventsOnlyClose() {
    Rig rig(Rk520Rules());
    for (const int id : {1, 2, 3, 7}) rig.transfer.OnTimer(id);
    QCOMPARE(rig.port.events, Repeat({"close"}, 4));
    QVERIFY(rig.host.messages.empty());
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

QTEST_GUILESS_MAIN(CloneTransferTest)
#include "CloneTransferTest.moc"
