// The whole link on a real pseudo-terminal: CloneLink, QtSerialLink and the
// COM name mapping against the radio simulator, with shortened periods.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <memory>

#include "BackupCatalogue.h"
#include "CloneLink.h"
#include "QtSerialLink.h"
#include "SystemPorts.h"
#include "RadioSimulator.h"
#include "LinkRecord.h"
#include "PortSearch.h"
#include "WriteValidation.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "TestRunner.h"

using namespace rk;
using namespace rk::test;
using Sim = RadioSimulator;

Q_DECLARE_METATYPE(Sim::Behaviour)
Q_DECLARE_METATYPE(rk::VerifyOutcome)

namespace {

constexpr int kHandshakeMs = kTestPeriods.handshakeMs;
constexpr int kReplyMs = kTestPeriods.blockReplyMs;
constexpr int kWaitMs = 15000;
// Each step is placed where it began on the link's own schedule (its timer
// fired), not where it was reported: on a busy machine opening the port may
// take a hundred milliseconds and more. Timer events may come late, never
// early; how late is allowed this much per step.
constexpr double kEarlyMs = 5;
constexpr double kLateMs = 150;

// Every step of `record` after the first began the period of the one before
// after it, neither early nor more than kLateMs late.
bool StepsKeepPeriods(const TransferRecord& record, QString& why) {
    for (std::size_t k = 1; k < record.stepMs.size(); ++k) {
        const double gap = record.stepMs[k] - record.stepMs[k - 1];
        const int period = PeriodBefore(record, k);
        if (gap < period - kEarlyMs || gap > period + kLateMs) {
            why = QString("step %1 began %2 ms after the one before, due after %3 ms").arg(k).arg(gap).arg(period);
            return false;
        }
    }
    return true;
}

const char* const kRk520Open = "创建通信失败";

// An image whose derived fields are stale: the write must send them updated.
RadioImage StaleDerivedFields() {
    RadioImage image = SampleImage();
    image.Settings().setLastUsedChannel(0);
    for (int c = 0; c < kChannelCount; ++c) image.Settings().SetChannelBit(c, c == 40);
    return image;
}

RadioImage EarlierImage() {
    RadioImage image = SampleImage();
    image.Channel(5).setRxFreq(0);
    image.Channel(5).setTxFreq(0);
    image.Channel(30).setRxFreq(41'000'000);
    image.Channel(30).setTxFreq(41'000'000);
    return image;
}

QByteArray FileBytes(const std::string& path) { return ReadFile(QString::fromStdString(path)); }

QByteArray Hex(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex(' ');
}

// The link as a program drives it: the ports from the menu's port and the
// model's search rule, a write of the document's image after the check has
// refreshed it, a read that becomes the document's (TransferRecord).
struct Rig {
    explicit Rig(const ModelRules& model)
        : rules(model), link(model, *port, kTestPeriods), reports(model, &document) {
        document.LoadImage(EarlierImage());
        ListenTo(link, reports);
    }
    void Read() {
        link.SetPorts(ProgramPorts(rules, menuPort));
        link.OnReadRadio();
    }
    void Write(WriteOptions options = {}) {
        link.SetPorts(ProgramPorts(rules, menuPort));
        if (link.IsIdle()) document.RefreshDerived([this](RadioImage& image) { ValidateForWrite(image, rules.validation); });
        link.OnWriteRadio(document.Image(), options);
    }
    bool WaitForMessage() {
        return QTest::qWaitFor([this] { return !reports.messages.empty(); }, kWaitMs);
    }
    bool DocumentAsBefore() const {
        return document.Image() == EarlierImage() && !document.IsModified() &&
               document.ValidChannels() == BuildValidChannels(EarlierImage());
    }

    const ModelRules& rules;
    std::string menuPort = "COM1";
    RadioDocument document;
    std::unique_ptr<SerialPort> port = MakeSystemPort();
    CloneLink link;
    TransferRecord reports;
};

void PointComAt(int n, const std::string& path) {
    qputenv(QByteArray("RK_COM") + QByteArray::number(n), QByteArray::fromStdString(path));
}

}  // namespace

class LinkEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (int n = 1; n <= 8; ++n) qunsetenv(QByteArray("RK_COM" + QByteArray::number(n)).constData());
    }

    void portOpenSetsLineAndGathersReply();
    void readTimeline();
    void readAtLineSpeed();
    void writeTimelineAndBytes();
    void blockReplyShapes_data();
    void blockReplyShapes();
    void handshakeRefused_data();
    void handshakeRefused();
    void portHeldByAnotherProcess();
    void radioVanishes_data();
    void radioVanishes();
    void rk7400SearchesPorts();
    void rk7400OnlyCom8Opens();
    void rk7400NoPortAtAll();
    void refusedWriteNeverOpens();
    void secondCommandDuringTransferIgnored();
    void writeWithBackupAndCheck_data();
    void writeWithBackupAndCheck();
};

void LinkEndToEndTest::portOpenSetsLineAndGathersReply() {
    Sim radio(SampleImage());
    Sim::Behaviour behaviour;
    behaviour.blocks[0].length = 300;
    QVERIFY(radio.Start(behaviour));
    radio.SetOddLineSettings();
    QCOMPARE(radio.LineSummary(), std::string("9600 8N2"));
    PointComAt(1, radio.SlavePath());

    QtSerialLink port(SystemPortDirectory());
    QVERIFY(!port.OpenPort("COM2"));  // only names with their own variable resolve
    QVERIFY(port.OpenPort("COM1"));
    QCOMPARE(radio.LineSummary(), std::string("2400 8N1"));
    ReceiveBuffer buffer;
    const std::uint8_t handshake[] = {0xFF, 0x11, 0x22, 0x33};
    port.WritePort(handshake);
    port.StartRead(buffer);
    QTRY_COMPARE_WITH_TIMEOUT(buffer.count, std::size_t{4}, 2000);
    QCOMPARE(buffer.bytes[1], std::uint8_t{0x11});

    // 300 bytes come back; the read ends with exactly 256 of them.
    const std::uint8_t request[] = {0xFF, 0x00, 0xFF, 0x00};
    port.WritePort(request);
    port.StartRead(buffer);
    QTRY_VERIFY_WITH_TIMEOUT(!port.IsReading(), 3000);
    QCOMPARE(buffer.count, std::size_t{256});
    QVERIFY(std::equal(buffer.bytes.begin(), buffer.bytes.end(), SampleImage().Bytes().begin()));
    port.ClosePort();
    port.ClosePort();  // closing twice is harmless
    QVERIFY(port.OpenPort("COM1"));
    port.ClosePort();
}

void LinkEndToEndTest::readTimeline() {
    Sim radio(SampleImage());
    QVERIFY(radio.Start({}));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    rig.menuPort = "COM1";
    rig.Read();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("数据已从对讲机中读出")});
    QCOMPARE(rig.document.Image(), SampleImage());
    QVERIFY(rig.document.IsModified());
    QCOMPARE(rig.document.CurrentChannel(), 0);
    QCOMPARE(rig.reports.readShown, 1);
    // Every image read is kept as a backup (or, the same bytes as the newest
    // backup, named by it).
    const BackupCopy kept = rig.reports.reads.at(0).backup;
    QVERIFY(kept.Saved() && ParseBackupName(QFileInfo(QString::fromStdString(kept.path)).fileName(), ".rkd"));
    QCOMPARE(FileBytes(kept.path), test::FileBytes(SampleImage()));

    const auto handshakes = radio.HandshakeTimes();
    const auto requests = radio.BlockRequestTimes();
    QCOMPARE(handshakes.size(), std::size_t{1});
    QCOMPARE(requests.size(), std::size_t{5});
    QString why;
    QCOMPARE(rig.reports.stepMs.size(), std::size_t{6});
    QVERIFY2(StepsKeepPeriods(rig.reports, why), qPrintable(why));
}

void LinkEndToEndTest::readAtLineSpeed() {
    // Byte by byte at 2400 baud: 256 bytes take 1.07 s and the gaps between
    // bytes stay far below the 100 ms that end a read.
    Sim radio(SampleImage());
    Sim::Behaviour behaviour;
    behaviour.paced = true;
    QVERIFY(radio.Start(behaviour));
    PointComAt(1, radio.SlavePath());
    RadioDocument document;
    const auto port = MakeSystemPort();
    CloneLink link(Rk520Rules(), *port, TransferPeriods{.blockReplyMs = 1250, .writeBlockMs = 1250, .handshakeMs = kHandshakeMs});
    TransferRecord reports(Rk520Rules(), &document);
    ListenTo(link, reports);
    link.OnReadRadio();
    QVERIFY(QTest::qWaitFor([&] { return !reports.Messages().isEmpty(); }, kWaitMs));
    QCOMPARE(reports.Messages(), QStringList{QString::fromUtf8("数据已从对讲机中读出")});
    QCOMPARE(document.Image(), SampleImage());
}

void LinkEndToEndTest::writeTimelineAndBytes() {
    Sim radio(SampleImage());
    QVERIFY(radio.Start({}));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    rig.document.LoadImage(StaleDerivedFields());
    rig.Write();
    QVERIFY(rig.link.IsWriting());
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("数据已写入对讲机")});
    QVERIFY(!rig.link.IsWriting());

    const auto line = radio.Received();
    QCOMPARE(line.size(), std::size_t{4 + 5 * 256});
    QCOMPARE(Hex({line.begin(), line.begin() + 4}), QByteArray("ff 11 22 33"));
    const std::vector<std::uint8_t> image(line.begin() + 4, line.begin() + 4 + 1088);
    for (std::size_t i = 0; i < image.size(); ++i)
        QVERIFY2(image[i] == SampleImage()[i], qPrintable(QString("image byte %1 differs").arg(i)));
    QCOMPARE(std::vector<std::uint8_t>(line.begin() + 4 + 1088, line.end()), std::vector<std::uint8_t>(192, 0));

    const auto handshakes = radio.HandshakeTimes();
    const auto blocks = radio.WrittenBlocks();
    QCOMPARE(handshakes.size(), std::size_t{1});
    QCOMPARE(blocks.size(), std::size_t{5});
    QString why;
    QVERIFY2(StepsKeepPeriods(rig.reports, why), qPrintable(why));
    // On the line, each block follows the one before.
    for (std::size_t k = 1; k < blocks.size(); ++k) QVERIFY(blocks[k - 1].ms < blocks[k].ms);
}

void LinkEndToEndTest::blockReplyShapes_data() {
    QTest::addColumn<Sim::Behaviour>("behaviour");
    QTest::addColumn<bool>("completes");
    QTest::addColumn<int>("garbledBlock");  // -1: the image arrives as served
    auto with = [](auto change) {
        Sim::Behaviour b;
        change(b);
        return b;
    };
    QTest::newRow("all whole") << Sim::Behaviour{} << true << -1;
    QTest::newRow("first reply 300 bytes") << with([](auto& b) { b.blocks[0].length = 300; }) << true << -1;
    QTest::newRow("third reply 100 bytes") << with([](auto& b) { b.blocks[2].length = 100; }) << false << -1;
    QTest::newRow("fifth reply 64 bytes") << with([](auto& b) { b.blocks[4].length = 64; }) << true << -1;
    QTest::newRow("fifth reply 63 bytes") << with([](auto& b) { b.blocks[4].length = 63; }) << false << -1;
    QTest::newRow("second reply silent") << with([](auto& b) { b.blocks[1].length = 0; }) << false << -1;
    QTest::newRow("garbled second reply") << with([](auto& b) { b.blocks[1].garbled = true; }) << true << 1;
    // A pause within a reply shorter than the 100 ms that end a read: 80 ms
    // are left for the radio's thread to get to run again.
    QTest::newRow("pause of 20 ms") << with([](auto& b) {
        b.blocks[1].pauseAfter = 100;
        b.blocks[1].pauseMs = 20;
    }) << true << -1;
    QTest::newRow("pause of 160 ms") << with([](auto& b) {
        b.blocks[1].pauseAfter = 100;
        b.blocks[1].pauseMs = 160;
    }) << false << -1;
}

void LinkEndToEndTest::blockReplyShapes() {
    QFETCH(Sim::Behaviour, behaviour);
    QFETCH(bool, completes);
    QFETCH(int, garbledBlock);
    Sim radio(SampleImage());
    QVERIFY(radio.Start(behaviour));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    rig.Read();
    QVERIFY(rig.WaitForMessage());
    QVERIFY(rig.link.Transfer().IsIdle());
    if (!completes) {
        QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("对讲机返回的数据不完整")});
        QVERIFY(rig.DocumentAsBefore());
        QCOMPARE(rig.reports.readShown, 0);
        return;
    }
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("数据已从对讲机中读出")});
    RadioImage expected = SampleImage();
    if (garbledBlock >= 0)
        for (std::size_t i = 0; i < 256; ++i) {
            auto& b = expected[static_cast<std::size_t>(garbledBlock) * 256 + i];
            b = static_cast<std::uint8_t>(~b);
        }
    QCOMPARE(Hex({rig.document.Image().Bytes().begin(), rig.document.Image().Bytes().end()}),
             Hex({expected.Bytes().begin(), expected.Bytes().end()}));
}

void LinkEndToEndTest::handshakeRefused_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<std::vector<std::uint8_t>>("reply");
    QTest::newRow("read, FF 12") << false << std::vector<std::uint8_t>{0xFF, 0x12, 0x22, 0x33};
    QTest::newRow("write, FF 12") << true << std::vector<std::uint8_t>{0xFF, 0x12, 0x22, 0x33};
    QTest::newRow("read, silence") << false << std::vector<std::uint8_t>{};
}

void LinkEndToEndTest::handshakeRefused() {
    QFETCH(bool, writing);
    QFETCH(std::vector<std::uint8_t>, reply);
    Sim radio(SampleImage());
    Sim::Behaviour behaviour;
    behaviour.handshakeReply = reply;
    QVERIFY(radio.Start(behaviour));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    writing ? rig.Write() : rig.Read();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.FirstLines(), QStringList{QString::fromUtf8("请检查COM口至对讲机的连接及其设置")});
    QTest::qWait(kReplyMs);
    QCOMPARE(Hex(radio.Received()), QByteArray("ff 11 22 33"));
    if (!writing) QVERIFY(rig.DocumentAsBefore());
}

void LinkEndToEndTest::portHeldByAnotherProcess() {
    Sim radio(SampleImage());
    QVERIFY(radio.Start({}));
    PointComAt(1, radio.SlavePath());
    QProcess holder;
    holder.start(QStringLiteral(PORT_HOLDER), {QString::fromStdString(radio.SlavePath())});
    QVERIFY(holder.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine(), 5000);
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    Rig rig(Rk520Rules());
    rig.Read();  // the open fails at once
    QCOMPARE(rig.reports.Messages(),
             QStringList{QString::fromUtf8("%1\nCOM1 = %2：该设备正被另一个程序使用。请先关闭那个程序。")
                             .arg(QString::fromUtf8(kRk520Open), QString::fromStdString(radio.SlavePath()))});
    QVERIFY(rig.link.Transfer().IsIdle());
    QVERIFY(radio.Received().empty());

    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(5000));
    rig.reports.messages.clear();
    rig.Read();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("数据已从对讲机中读出")});
}

void LinkEndToEndTest::radioVanishes_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<int>("afterBytes");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QString>("message");
    QTest::newRow("mid-reply") << false << 4 + 256 + 100 << 0 << QString::fromUtf8("对讲机返回的数据不完整");
    QTest::newRow("between read blocks") << false << 4 + 2 * 256 << kReplyMs / 3 << QString::fromUtf8(kRk520Open);
    QTest::newRow("mid-write") << true << 300 << 0 << QString::fromUtf8("建立通信文件失败");
}

void LinkEndToEndTest::radioVanishes() {
    QFETCH(bool, writing);
    QFETCH(int, afterBytes);
    QFETCH(int, delayMs);
    QFETCH(QString, message);
    Sim radio(SampleImage());
    Sim::Behaviour behaviour;
    (writing ? behaviour.vanishAfterWritten : behaviour.vanishAfterSent) = afterBytes;
    behaviour.vanishDelayMs = delayMs;
    QVERIFY(radio.Start(behaviour));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    writing ? rig.Write() : rig.Read();
    QVERIFY(rig.WaitForMessage());
    QVERIFY(radio.Vanished());
    QCOMPARE(rig.reports.FirstLines(), QStringList{message});
    QVERIFY(rig.link.Transfer().IsIdle());
    if (!writing) QVERIFY(rig.DocumentAsBefore());
}

void LinkEndToEndTest::rk7400SearchesPorts() {
    Sim silent(SampleImage());
    Sim::Behaviour quiet;
    quiet.handshakeReply.clear();
    QVERIFY(silent.Start(quiet));
    Sim radio(SampleImage());
    QVERIFY(radio.Start({}));
    PointComAt(1, silent.SlavePath());
    PointComAt(2, radio.SlavePath());
    Rig rig(Rk7400Rules());
    rig.menuPort = "COM1";  // tried first, then the others in order
    rig.Read();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("Чтение данных завершено")});
    QCOMPARE(rig.document.Image(), SampleImage());
    QCOMPARE(Hex(silent.Received()), QByteArray("ff 11 22 33"));
    QCOMPARE(radio.BlockRequestTimes().size(), std::size_t{5});
    // COM2 was tried once COM1's handshake window was over (how soon after
    // is the timeline tests' matter, not this one's).
    QCOMPARE(rig.reports.steps.at(0).port, std::string("COM1"));
    QCOMPARE(rig.reports.steps.at(1).port, std::string("COM2"));
    const double delay = rig.reports.stepMs.at(1) - rig.reports.stepMs.at(0);
    QVERIFY2(delay >= kHandshakeMs - kEarlyMs, qPrintable(QString::number(delay)));

    // A write takes the same way.
    rig.reports.messages.clear();
    rig.Write();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("Запись данных завершена")});
    QCOMPARE(radio.WrittenBytes().size(), std::size_t{1280});
}

void LinkEndToEndTest::rk7400OnlyCom8Opens() {
    Sim silent(SampleImage());
    Sim::Behaviour quiet;
    quiet.handshakeReply.clear();
    QVERIFY(silent.Start(quiet));
    PointComAt(8, silent.SlavePath());
    Rig rig(Rk7400Rules());
    rig.Read();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.FirstLines(), QStringList{QString::fromUtf8("Проверьте настройки и подключение рации")});
    QCOMPARE(silent.HandshakeTimes().size(), std::size_t{1});
    // The ports without a device of their own, then the one that kept silent.
    const QStringList lines = rig.reports.Messages().at(0).split('\n');
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.at(2), QString::fromUtf8("COM1: нет такого устройства."));
    QCOMPARE(lines.at(9), QString::fromUtf8("COM8 = %1: рация не отвечает. Проверьте, включена ли рация и "
                                            "подключён ли кабель.")
                              .arg(QString::fromStdString(silent.SlavePath())));
}

void LinkEndToEndTest::rk7400NoPortAtAll() {
    PointComAt(1, "/nonexistent/serial-device");
    Rig rig(Rk7400Rules());
    rig.Write();  // every open fails before the call returns
    QCOMPARE(rig.reports.FirstLines(), QStringList{QString::fromUtf8("Ошибка подключения")});
    QCOMPARE(rig.reports.Messages().at(0).section('\n', 2, 2),
             QString::fromUtf8("COM1 = /nonexistent/serial-device: устройство отсутствует. Проверьте, подключён ли кабель."));
    QVERIFY(rig.link.Transfer().IsIdle());
}

void LinkEndToEndTest::refusedWriteNeverOpens() {
    Sim radio(SampleImage());
    QVERIFY(radio.Start({}));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    RadioImage bad = SampleImage();
    bad.Channel(6).setRxFreq(43'000'000);  // outside 400-420 MHz
    bad.Channel(6).setTxFreq(43'000'000);
    rig.document.LoadImage(bad);
    rig.Write();
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("接收频率值超出频段范围")});
    QCOMPARE(rig.reports.refused, std::vector<int>{6});
    QCOMPARE(rig.reports.refusals.at(0).rule, WriteRule::RxOutOfBand);
    QCOMPARE(rig.reports.refusals.at(0).bandEdge, 40'000'000);
    QCOMPARE(rig.document.CurrentChannel(), 6);
    QVERIFY(rig.link.Transfer().IsIdle());
    QTest::qWait(kHandshakeMs);
    QVERIFY(radio.Received().empty());
}

void LinkEndToEndTest::secondCommandDuringTransferIgnored() {
    Sim radio(SampleImage());
    QVERIFY(radio.Start({}));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    rig.Write();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.reports.steps.empty() && rig.reports.steps.back().block >= 1, kWaitMs);
    rig.Read();
    rig.Write();
    QVERIFY(rig.WaitForMessage());
    QCOMPARE(rig.reports.Messages(), QStringList{QString::fromUtf8("数据已写入对讲机")});
    QCOMPARE(radio.HandshakeTimes().size(), std::size_t{1});
    QCOMPARE(radio.Received().size(), std::size_t{4 + 1280});
}

void LinkEndToEndTest::writeWithBackupAndCheck_data() {
    QTest::addColumn<Sim::Behaviour>("behaviour");
    QTest::addColumn<VerifyOutcome>("outcome");  // NotAsked: the write never began
    Sim::Behaviour wrong;
    wrong.storeWrongAt = 1 * 16 + 2;  // in channel 1's receive frequency
    Sim::Behaviour silent;
    silent.silentAfterWrite = true;
    Sim::Behaviour refusing;
    refusing.handshakeReply = {0xFF, 0x12};
    QTest::newRow("radio keeps the write") << Sim::Behaviour{} << VerifyOutcome::Matches;
    QTest::newRow("radio keeps a byte wrongly") << wrong << VerifyOutcome::Differs;
    // The check covers the settings block too: the time limit, image byte 1026.
    Sim::Behaviour wrongSetting;
    wrongSetting.storeWrongAt = static_cast<int>(kSettingsOffset) + 2;
    QTest::newRow("radio keeps a settings byte wrongly") << wrongSetting << VerifyOutcome::Differs;
    QTest::newRow("radio silent after the write") << silent << VerifyOutcome::ReadFailed;
    QTest::newRow("backup read fails") << refusing << VerifyOutcome::NotAsked;
}

void LinkEndToEndTest::writeWithBackupAndCheck() {
    QFETCH(Sim::Behaviour, behaviour);
    QFETCH(VerifyOutcome, outcome);
    Sim radio(SampleImage());
    QVERIFY(radio.Start(behaviour));
    PointComAt(1, radio.SlavePath());
    Rig rig(Rk520Rules());
    rig.Write({true, true});
    QVERIFY(rig.WaitForMessage());
    const QString message = rig.reports.Messages().at(0);
    QCOMPARE(rig.reports.readShown, 0);
    if (outcome == VerifyOutcome::NotAsked) {
        QVERIFY(radio.WrittenBlocks().empty());
        QVERIFY2(message.endsWith(QString::fromUtf8("\n未写入任何数据。")), qPrintable(message));
        return;
    }
    QVERIFY2(rig.reports.writes.size() == 1, qPrintable(message));
    const WriteResult result = rig.reports.writes.at(0);
    QCOMPARE(result.verify, outcome);
    QCOMPARE(FileBytes(result.before.path), test::FileBytes(SampleImage()));
    QVERIFY(message.endsWith(QString::fromStdString(result.before.path)));
    if (outcome == VerifyOutcome::Differs) {
        QCOMPARE(result.differences.size(), std::size_t{1});
        QCOMPARE(result.differences[0].offset, static_cast<std::size_t>(behaviour.storeWrongAt));
        const bool setting = behaviour.storeWrongAt >= static_cast<int>(kSettingsOffset);
        QCOMPARE(result.differences[0].field, setting ? DiffField::TotLimit : DiffField::RxFrequency);
        QCOMPARE(result.differences[0].channel, setting ? -1 : 1);
        QVERIFY(result.readBackImage);
        QCOMPARE(*result.readBackImage, radio.Image());
    }
    if (outcome == VerifyOutcome::ReadFailed)
        QCOMPARE(QString::fromStdString(DescribeFailure(Rk520Texts().transfer, result.readFailure)).section('\n', 0, 0),
                 QString::fromUtf8("请检查COM口至对讲机的连接及其设置"));
    if (outcome != VerifyOutcome::Matches) return;

    // The line shows a read, the write, a read, each straight after the last.
    const auto handshakes = radio.HandshakeTimes();
    const auto requests = radio.BlockRequestTimes();
    const auto blocks = radio.WrittenBlocks();
    QCOMPARE(handshakes.size(), std::size_t{3});
    QCOMPARE(requests.size(), std::size_t{10});
    QCOMPARE(blocks.size(), std::size_t{5});
    // Three exchanges of six steps each, every step on time.
    QString why;
    QCOMPARE(rig.reports.stepMs.size(), std::size_t{18});
    QVERIFY2(StepsKeepPeriods(rig.reports, why), qPrintable(why));
    QVERIFY(requests[4] < blocks[0].ms && blocks[4].ms < handshakes[2] && handshakes[2] < requests[5]);
    QCOMPARE(radio.Image(), rig.document.Image());
    const QString before = QString::fromStdString(result.before.path);
    QCOMPARE(QFileInfo(before).absolutePath(), BackupStore::FolderFor(QStringLiteral("rk520")));
    // One of the program's own backups: a copy of these bytes kept before
    // (by an earlier row) is named rather than kept again.
    QVERIFY2(ParseBackupName(QFileInfo(before).fileName(), QStringLiteral(".rkd")), qPrintable(before));
    QCOMPARE(FileBytes(result.readBack.path), test::FileBytes(rig.document.Image()));
}

RK_TEST_GUILESS_MAIN(LinkEndToEndTest)
#include "LinkEndToEndTest.moc"
