// The built rkradio program, run on temporary files: exit codes, what it
// prints, the files it writes, and a read from the radio simulator.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/types.h>
#include <functional>
#include <optional>

#include "FreshBackupFolder.h"
#include "ImageFile.h"
#include "RadioDocument.h"
#include "RadioSimulator.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "TestRunner.h"

using namespace rk;
using test::FileBytes;
using test::ReadFile;
using test::WriteFile;

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
    qint64 afterSignalMs = 0;  // from SIGINT to the exit
};

using Act = std::function<void(qint64 pid)>;
void Interrupt(qint64 pid) { ::kill(static_cast<pid_t>(pid), SIGINT); }

// A write block's time on the line in the test that stops a write mid-block.
constexpr int kCutBlockMs = 1000;

// Runs rkradio (the tests' own, on short periods, unless `program` says
// otherwise) and, once `ready` holds, sends it SIGINT or does `act`.
Result RunInterrupted(const QStringList& args, const std::function<bool()>& ready,
                      const QString& program = QStringLiteral(RKRADIO), const Act& act = Interrupt) {
    QProcess process;
    process.start(program, args);
    Result result;
    if (!process.waitForStarted()) return result;
    QElapsedTimer clock;
    clock.start();
    while (!ready() && clock.elapsed() < 30'000 && process.state() == QProcess::Running) QTest::qWait(20);
    if (process.state() == QProcess::Running) {
        act(process.processId());
        clock.restart();
        if (!process.waitForFinished(30'000)) return result;
        result.afterSignalMs = clock.elapsed();
    }
    if (process.exitStatus() != QProcess::NormalExit) return result;
    result.code = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The tests' rkradio, on short transfer periods; `program` another one.
Result Run(const QStringList& args, const QString& program = QStringLiteral(RKRADIO)) {
    QProcess process;
    process.start(program, args);
    Result result;
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit) return result;
    result.code = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

}  // namespace

class RkradioTest : public QObject {
    Q_OBJECT
private:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    // "{name}" in an argument stands for that file in the test folder.
    QStringList Args(const QString& words) const {
        static const QRegularExpression name(QStringLiteral("\\{([^}]*)\\}"));
        QStringList args = words.split(' ', Qt::SkipEmptyParts);
        for (QString& arg : args) {
            for (auto match = name.match(arg); match.hasMatch(); match = name.match(arg))
                arg.replace(match.capturedStart(), match.capturedLength(), Path(match.captured(1)));
        }
        return args;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        WriteFile(Path("good.rkd"), FileBytes(test::SampleImage()));
        WriteFile(Path("good.bin"), FileBytes(test::SampleImage()));
        WriteFile(Path("good.zu1"), FileBytes(test::SampleImage()));
        WriteFile(Path("short.rkd"), FileBytes(test::SampleImage()).left(1088));
        RadioImage bad = test::SampleImage();
        bad.Channel(4).setRxFreq(42'100'000);
        bad.Channel(4).setTxFreq(42'100'000);
        WriteFile(Path("bad.rkd"), FileBytes(bad));
        WriteFile(Path("table.csv"), "Location,Frequency\n7,405\n8,4o6\n");
    }
    void init() { m_backups.emplace(); }
    void cleanup() { m_backups.reset(); }

    void exitCodes_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("help") << "--help" << 0;
        QTest::newRow("command help") << "import --help" << 0;
        QTest::newRow("nothing") << "" << 2;
        QTest::newRow("unknown command") << "frob" << 2;
        QTest::newRow("unknown option") << "show --wide {good.rkd}" << 2;
        QTest::newRow("two files for one") << "show {good.rkd} {good.rkd}" << 2;
        QTest::newRow("no model") << "check {good.bin}" << 2;
        QTest::newRow("unknown model") << "check --model rk9 {good.rkd}" << 2;
        QTest::newRow("model named") << "check --model rk7400 {good.bin}" << 0;
        QTest::newRow("missing file") << "show {none.rkd}" << 3;
        QTest::newRow("short file") << "check {short.rkd}" << 3;
        QTest::newRow("check fails") << "check {bad.rkd}" << 1;
        QTest::newRow("equal") << "diff {good.rkd} {good.bin}" << 0;
        QTest::newRow("different") << "diff {good.rkd} {bad.rkd}" << 1;
        QTest::newRow("import without -o") << "import {table.csv} --into {good.rkd}" << 2;
        QTest::newRow("unwritable") << "export {good.rkd} -o {good.rkd}/x.csv" << 3;
        QTest::newRow("unknown separator") << "export --separator tab {good.rkd}" << 2;
        QTest::newRow("bad port") << "verify --port LPT1 {good.rkd}" << 2;
        QTest::newRow("write") << "write --no-backup --port COM2 {good.rkd}" << 4;
        QTest::newRow("series") << "write --series --no-backup --port COM2 {good.rkd}" << 4;
        QTest::newRow("series dry run") << "write --series --dry-run --port COM2 {good.rkd}" << 2;
        QTest::newRow("no such device") << "read --port /dev/rk-none -o {out.rkd}" << 4;
    }
    void exitCodes() {
        QFETCH(QString, args);
        QFETCH(int, code);
        const Result result = Run(Args(args));
        QCOMPARE(result.code, code);
        // Errors are lines of their own on stderr, each naming the program.
        for (const QString& line : result.err.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith("rkradio: "), qPrintable(line));
        QCOMPARE(result.err.isEmpty(), code == 0 || code == 1);
    }

    void checkNamesChannelAndRule() {
        const Result result = Run(Args("check {bad.rkd}"));
        QCOMPARE(result.out, QString::fromUtf8("channel 05: the receive frequency is outside the band (接收频率值超出频段范围)\n"));
        QCOMPARE(Run(Args("check --model rk7400 {good.rkd}")).out, QStringLiteral("OK\n"));
        // A write refuses the same file in the same words, before any port.
        QCOMPARE(Run(Args("write --port /dev/null {bad.rkd}")).err,
                 QString::fromUtf8("rkradio: write: channel 05: the receive frequency is outside the band (接收频率值超出频段范围)\n"));
    }

    // Every failing channel, in channel order, beyond the first.
    void checkListsEveryProblem() {
        RadioImage twice = test::SampleImage();
        twice.Channel(4).setRxFreq(42'100'000);
        twice.Channel(4).setTxFreq(42'100'000);
        twice.Channel(63).setTxFreq(40'000'001);
        WriteFile(Path("twice.rkd"), FileBytes(twice));
        const Result result = Run(Args("check {twice.rkd}"));
        QCOMPARE(result.code, 1);
        const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith("channel 05: the receive frequency is outside the band"));
        QVERIFY2(lines[1].startsWith("channel 64: "), qPrintable(lines[1]));
    }

    void newWritesANewDocument() {
        QCOMPARE(Run(Args("new -o {new.rkd}")).code, 0);
        RadioDocument document;
        document.OnNewDocument();
        QCOMPARE(ReadFile(Path("new.rkd")), FileBytes(document.Image()));
        QCOMPARE(Run(Args("new")).code, 2);
        QCOMPARE(Run(Args("new -o {new.bin}")).code, 2);
        // The band the window shows for it: 0 to 0.
        QVERIFY(Run(Args("show {new.rkd}")).out.contains(QRegularExpression("Band: +0-0 MHz\n")));
    }

    // The band and the time limit at their edges, each model's own highest
    // band; what new makes with them passes the check.
    void newTakesTheBandAndTimeLimit_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bandLow");  // 40 Hz steps
        QTest::addColumn<int>("totLimit");
        QTest::newRow("lowest") << "--band 100 --time-limit 0.1 -o {a.rkd}" << 0 << 2'500'000 << 1;
        QTest::newRow("rk520 highest") << "--band 480 --time-limit 10 -o {a.rkd}" << 0 << 12'000'000 << 100;
        QTest::newRow("rk7400 highest") << "--band 400 -o {a.zu1}" << 0 << 10'000'000 << 50;
        QTest::newRow("rk520 past") << "--band 481 -o {a.rkd}" << 2 << 0 << 0;
        QTest::newRow("rk7400 past") << "--band 401 -o {a.zu1}" << 2 << 0 << 0;
        QTest::newRow("below") << "--band 99 -o {a.rkd}" << 2 << 0 << 0;
        QTest::newRow("not whole") << "--band 400.5 -o {a.rkd}" << 2 << 0 << 0;
        QTest::newRow("no number") << "--band 4OO -o {a.rkd}" << 2 << 0 << 0;
        QTest::newRow("limit short") << "--band 400 --time-limit 0.05 -o {a.rkd}" << 2 << 0 << 0;
        QTest::newRow("limit long") << "--band 400 --time-limit 10.1 -o {a.rkd}" << 2 << 0 << 0;
        QTest::newRow("limit finer") << "--band 400 --time-limit 0.15 -o {a.rkd}" << 2 << 0 << 0;
    }
    void newTakesTheBandAndTimeLimit() {
        QFETCH(QString, options);
        QFETCH(int, code);
        QFETCH(int, bandLow);
        QFETCH(int, totLimit);
        const QString file = options.section(' ', -1);
        QFile::remove(Path(file.mid(1, file.size() - 2)));
        QCOMPARE(Run(Args("new " + options)).code, code);
        const QByteArray bytes = ReadFile(Path(file.mid(1, file.size() - 2)));
        if (code != 0) {
            QVERIFY(bytes.isEmpty());
            return;
        }
        const auto image = ParseImageFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                    static_cast<std::size_t>(bytes.size())));
        QVERIFY(image);
        QCOMPARE(int(image->Settings().bandLow()), bandLow);
        QCOMPARE(int(image->Settings().totLimit()), totLimit);
        QCOMPARE(Run(Args("check " + file)).code, 0);
    }

    void diffNamesFieldsAndBytes() {
        RadioImage a = test::SampleImage();
        a.Channel(2).setRxFreq(14'501'250);
        RadioImage b = a;
        b.Channel(2).setRxFreq(14'500'000);
        b.Channel(2).SetOption(kBeatShift, true);
        a[0x40E] = 0x12;
        b[0x40E] = 0x13;
        // Band bytes within one MHz show the same band: the bytes are named.
        a.Settings().setBandLow(10'000'000);
        b.Settings().setBandLow(10'000'001);
        WriteFile(Path("a.rkd"), FileBytes(a));
        WriteFile(Path("b.rkd"), FileBytes(b));
        const Result result = Run(Args("diff {a.rkd} {b.rkd}"));
        QCOMPARE(result.code, 1);
        QCOMPARE(result.out, QStringLiteral("channel 03 receive frequency: 145.0125 -> 145.0000\n"
                                            "channel 03 beat shift: off -> on\n"
                                            "band, byte 0x405: 0x80 -> 0x81 (shows 400 either way)\n"
                                            "byte 0x40E: 0x12 -> 0x13\n"));
        // The fields are named as the model's program names them in English.
        const Result rk7400 = Run(Args("diff --model rk7400 {a.rkd} {b.rkd}"));
        QVERIFY2(rk7400.out.startsWith("channel 03 RX frequency: 145.0125 -> 145.0000\n"), qPrintable(rk7400.out));
        QCOMPARE(Run(Args("diff --model rk9 {a.rkd} {b.rkd}")).code, 2);
    }

    void showJsonHoldsEveryChannel() {
        const Result result = Run(Args("show --json {good.rkd}"));
        QCOMPARE(result.code, 0);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray channels = json["channels"].toArray();
        QCOMPARE(channels.size(), 64);
        QCOMPARE(channels[1]["rxMHz"].toString(), QStringLiteral("400.2500"));
        QCOMPARE(channels[1]["rxCode"].toString(), QStringLiteral("74.4"));
        QCOMPARE(channels[5]["spare"].toString(), QStringLiteral("05a5"));
        QCOMPARE(json["settings"]["bandLowMHz"].toInt(), 400);
        QCOMPARE(json["settings"]["scanGroupAFrom1"].toArray()[1].toInt(), 3);
        QVERIFY(json["settings"]["scanGroupAFrom1"].toArray()[15].isNull());
        QCOMPARE(channels[1]["rxHz"].toInteger(), 400'250'000);
        QCOMPARE(channels[1]["channelFrom1"].toInt(), 2);
    }

    void importRefusesOrSkipsInvalidRows() {
        const QString out = Path("imported.rkd");
        Result result = Run(Args("import {table.csv} --into {good.rkd} -o {imported.rkd}"));
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.startsWith("rkradio: row 3, column Frequency: \"4o6\" is not a number\n"));
        QVERIFY(!QFile::exists(out));

        result = Run(Args("import --skip-invalid {table.csv} --into {good.rkd} -o {imported.rkd}"));
        QCOMPARE(result.code, 0);
        QVERIFY2(result.err.contains("rkradio: 1 channel imported\nrkradio: the table has no column Squelch, "),
                 qPrintable(result.err));
        const QByteArray bytes = ReadFile(out);
        const auto image =
            ParseImageFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
        QVERIFY(image);
        QCOMPARE(image->Channel(6).rxFreq(), 40'500'000u);
        QCOMPARE(image->Channel(7).rxFreq(), test::SampleImage().Channel(7).rxFreq());
    }

    // Exported and imported over the same image, nothing changes, with
    // either separator.
    void exportThenImportKeepsTheImage_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("firstRow");
        QTest::newRow("comma") << "" << QByteArray("1,,400.125000,+,5.000000,");
        QTest::newRow("semicolon") << "--separator semicolon " << QByteArray("1;;400,125000;+;5,000000;");
    }
    void exportThenImportKeepsTheImage() {
        QFETCH(QString, option);
        QFETCH(QByteArray, firstRow);
        QCOMPARE(Run(Args("export " + option + "{good.rkd} -o {all.csv}")).code, 0);
        QVERIFY(ReadFile(Path("all.csv")).split('\n').at(1).startsWith(firstRow));
        QCOMPARE(Run(Args("import {all.csv} --into {good.rkd} -o {again.rkd}")).code, 0);
        QCOMPARE(ReadFile(Path("again.rkd")), ReadFile(Path("good.rkd")));
    }

    void readsFromTheRadio() {
        test::RadioSimulator radio(test::SampleImage());
        QVERIFY(radio.Start({}));
        const Result result = Run(Args("read --quiet -o {read.rkd} --port " + QString::fromStdString(radio.SlavePath())));
        QCOMPARE(result.code, 0);
        QVERIFY(result.err.isEmpty());
        QCOMPARE(ReadFile(Path("read.rkd")), FileBytes(test::SampleImage()));
    }

    // A write that the radio keeps wrongly is caught by its read-back; a
    // verify of the file against the radio names the same field.
    void writeReadsBackAndVerifyCompares() {
        test::RadioSimulator::Behaviour wrong;
        wrong.storeWrongAt = 0;
        RadioImage blank;
        test::RadioSimulator radio(blank);
        QVERIFY(radio.Start(wrong));
        const QString port = " --port " + QString::fromStdString(radio.SlavePath());
        const Result write = Run(Args("write --quiet --no-backup {good.rkd}" + port));
        QCOMPARE(write.code, 1);
        QVERIFY2(write.out.contains("channel 01 receive frequency: "), qPrintable(write.out));
        const Result verify = Run(Args("verify --quiet {good.rkd}" + port));
        QCOMPARE(verify.code, 1);
        QVERIFY2(verify.out.startsWith("channel 01 receive frequency: "), qPrintable(verify.out));
    }

    // A dry run lists what a write would change, as diff lists it, and the
    // radio receives no write; the write itself says the same on stderr and
    // goes on.
    void dryRunListsChangesAndWritesNothing() {
        RadioImage edited = test::SampleImage();
        edited.Channel(4).setRxFreq(40'000'000);
        edited.Channel(9).setSquelchLevel(3);
        WriteFile(Path("edited.rkd"), FileBytes(edited));
        test::RadioSimulator radio(test::SampleImage());
        QVERIFY(radio.Start({}));
        const QString port = " --port " + QString::fromStdString(radio.SlavePath());

        const Result dry = Run(Args("write --dry-run --quiet {edited.rkd}" + port));
        QCOMPARE(dry.code, 1);
        const Result diff = Run(Args("diff {good.rkd} {edited.rkd}"));
        QCOMPARE(dry.out, diff.out);
        QCOMPARE(dry.out.count('\n'), 2);
        QVERIFY2(dry.err.isEmpty(), qPrintable(dry.err));
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{1});
        QVERIFY(radio.WrittenBlocks().empty());
        // Told to keep no backup, a dry run still reads what it compares.
        const Result noBackup = Run(Args("write --dry-run --no-backup --quiet {edited.rkd}" + port));
        QCOMPARE(noBackup.code, 1);
        QCOMPARE(noBackup.out, diff.out);
        QCOMPARE(radio.HandshakeTimes().size(), std::size_t{2});
        QVERIFY(radio.WrittenBlocks().empty());
        const Result same = Run(Args("write --dry-run {good.rkd}" + port));
        QCOMPARE(same.code, 0);
        QCOMPARE(same.out, QStringLiteral("the radio already holds these data\n"));
        QVERIFY(radio.WrittenBlocks().empty());

        const Result write = Run(Args("write --no-verify {edited.rkd}" + port));
        QCOMPARE(write.code, 0);
        QVERIFY2(write.err.contains("\nrkradio: write: " + diff.out.section('\n', 1, 1) + "\n"), qPrintable(write.err));
        QCOMPARE(radio.Image(), edited);
    }

    // An image the check refuses never reaches the radio and exits 1; a
    // cable pulled after two blocks (the device the port names is gone)
    // leaves the radio partly written, which stderr says with the backup
    // from before the write, and exits 4.
    void writeRefusedOrCutShortSaysSo() {
        QTemporaryDir data;
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        test::RadioSimulator radio((RadioImage()));
        QVERIFY(radio.Start({}));
        const QString cable = data.filePath(QStringLiteral("cable"));
        QVERIFY(QFile::link(QString::fromStdString(radio.SlavePath()), cable));
        const QString port = " --port " + cable;
        const Result refused = Run(Args("write --quiet {bad.rkd}" + port));
        const std::size_t handshakesRefused = radio.HandshakeTimes().size();
        const Result cut = RunInterrupted(Args("write --quiet --no-verify {good.rkd}" + port),
                                          [&] { return radio.WrittenBlocks().size() >= 2; }, QStringLiteral(RKRADIO),
                                          [&](qint64) { QFile::remove(cable); });
        qputenv("XDG_DATA_HOME", dataHome);

        QCOMPARE(refused.code, 1);
        QCOMPARE(handshakesRefused, std::size_t{0});
        QVERIFY2(refused.err.startsWith("rkradio: write: channel 05: "), qPrintable(refused.err));
        QVERIFY2(cut.code == 4, qPrintable(cut.out + cut.err));
        QCOMPARE(radio.WrittenBlocks().size(), std::size_t{2});
        const QStringList lines = cut.err.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 3, qPrintable(cut.err));
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("rkradio: write: the radio is partly written (2 of 5 blocks)"));
        QVERIFY2(QRegularExpression("^rkradio: write: the radio's data from before the write is in " +
                                    QRegularExpression::escape(data.path()) + "/.*-before-write\\.rkd$")
                     .match(lines.last())
                     .hasMatch(),
                 qPrintable(cut.err));
    }

    // A port named on the command line is the only one tried, and what is
    // said about it names no menu.
    void portsNamedAreTheOnesTried() {
        test::RadioSimulator radio(test::SampleImage());
        QVERIFY(radio.Start({}));
        const QString device = QString::fromStdString(radio.SlavePath());
        qputenv("RK_COM1", device.toLocal8Bit());
        const Result ports = Run(Args("ports"));
        const Result com3 = Run(Args("write --quiet --port COM3 {good.rkd}"));
        qunsetenv("RK_COM1");
        QCOMPARE(ports.code, 0);
        QVERIFY2(ports.out.startsWith("COM1  " + device + "\n"), qPrintable(ports.out));
        QCOMPARE(com3.code, 4);
        QVERIFY2(com3.err.startsWith("rkradio: write: COM3 stands for no serial device; the devices there are: COM1 " + device),
                 qPrintable(com3.err));

        const Result null = Run(Args("write --quiet --no-backup --no-verify --port /dev/null {good.zu1}"));
        QCOMPARE(null.code, 4);
        const QStringList lines = null.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(1).startsWith("rkradio: write: /dev/null: "), qPrintable(null.err));
        QVERIFY2(!null.err.contains("COM") && !null.err.contains("menu", Qt::CaseInsensitive), qPrintable(null.err));
    }

    // A file whose derived fields were never refreshed (saved before its
    // check ran) verifies equal after it has been written.
    void verifyComparesTheImageAsWritten() {
        RadioImage stale = test::SampleImage();
        stale.Settings().setLastUsedChannel(0);
        for (int c = 0; c < kChannelCount; ++c) stale.Settings().SetChannelBit(c, false);
        WriteFile(Path("stale.rkd"), FileBytes(stale));
        test::RadioSimulator radio((RadioImage()));
        QVERIFY(radio.Start({}));
        const QString port = " --port " + QString::fromStdString(radio.SlavePath());
        QCOMPARE(Run(Args("write --quiet --no-backup {stale.rkd}" + port)).code, 0);
        const Result verify = Run(Args("verify --quiet {stale.rkd}" + port));
        QCOMPARE(verify.code, 0);
        QCOMPARE(verify.out, "the radio holds the same data as " + Path("stale.rkd") + "\n");
    }

    // Written, but the radio keeps silent for the read-back: the radio failed.
    void silentAfterWriteIsARadioFailure() {
        test::RadioSimulator::Behaviour silent;
        silent.silentAfterWrite = true;
        test::RadioSimulator radio(test::SampleImage());
        QVERIFY(radio.Start(silent));
        const Result write = Run(Args("write --quiet --no-backup {good.rkd} --port " + QString::fromStdString(radio.SlavePath())));
        QCOMPARE(write.code, 4);
        QVERIFY2(write.out.startsWith("written to the radio, but it could not be read back:"), qPrintable(write.out));
    }

    void silentRadioFails() {
        test::RadioSimulator radio(test::SampleImage());
        test::RadioSimulator::Behaviour silent;
        silent.handshakeReply.clear();
        QVERIFY(radio.Start(silent));
        const Result result = Run(Args("read -o {none.rkd} --port " + QString::fromStdString(radio.SlavePath())));
        QCOMPARE(result.code, 4);
        // The model's message in English, then the device and the cause.
        QVERIFY2(result.err.contains("rkradio: read: Check the cable from the COM port to the radio"),
                 qPrintable(result.err));
        QVERIFY2(result.err.endsWith(": the radio does not answer. Check that the radio is on and the cable is plugged in.\n"),
                 qPrintable(result.err));
        QVERIFY(!QFile::exists(Path("none.rkd")));
    }

    // Ctrl+C once the first write block is on the line: that block has its
    // time, no other follows, and the backup from before the write is named.
    // During a read the command just stops.
    void ctrlCLeavesWholeBlocks() {
        QTemporaryDir data;
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        test::RadioSimulator radio((RadioImage()));
        QVERIFY(radio.Start({}));
        const QString port = " --port " + QString::fromStdString(radio.SlavePath());
        // Half the protocol's time on the line for the block, so that what
        // is left of it after the signal can be seen.
        qputenv("RK_TEST_WRITE_BLOCK_MS", QByteArray::number(kCutBlockMs));
        const Result write = RunInterrupted(Args("write --quiet --no-verify {good.rkd}" + port),
                                            [&] { return !radio.WrittenBlocks().empty(); });
        qunsetenv("RK_TEST_WRITE_BLOCK_MS");
        const std::size_t bytesWritten = radio.WrittenBytes().size();
        const std::size_t blocksWritten = radio.WrittenBlocks().size();
        // The first radio waits out the write it was left in.
        test::RadioSimulator other(test::SampleImage());
        QVERIFY(other.Start({}));
        const Result read = RunInterrupted(Args("read --quiet -o {stopped.rkd} --port " + QString::fromStdString(other.SlavePath())),
                                           [&] { return !other.BlockRequestTimes().empty(); });
        qputenv("XDG_DATA_HOME", dataHome);

        QCOMPARE(write.code, 4);
        const QStringList lines = write.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), QStringLiteral("rkradio: write: stopped; the radio is partly written (1 of 5 blocks)"));
        QVERIFY2(QRegularExpression("^rkradio: write: the radio's data from before the write is in " +
                                    QRegularExpression::escape(data.path()) + "/.*-before-write\\.rkd$")
                     .match(lines.at(1))
                     .hasMatch(),
                 qPrintable(lines.at(1)));
        // The block's time on the line ran out before the port closed.
        QVERIFY2(write.afterSignalMs >= kCutBlockMs * 3 / 4, qPrintable(QString::number(write.afterSignalMs)));
        QCOMPARE(bytesWritten, std::size_t{256});
        QCOMPARE(blocksWritten, std::size_t{1});

        QCOMPARE(read.code, 4);
        QCOMPARE(read.err, QStringLiteral("rkradio: read: stopped; nothing was written\n"));
        QVERIFY(!QFile::exists(Path("stopped.rkd")));
    }

    // Newest first, the unreadable file listed; --model keeps to one program.
    void backupsListsTheFolders() {
        QTemporaryDir data;
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString root = data.path() + "/Local AppWizard-Generated Applications/";
        QVERIFY(QDir().mkpath(root + "rk520/backups") && QDir().mkpath(root + "rk7400/backups"));
        WriteFile(root + "rk520/backups/rk520-20261201-080000-read.rkd", FileBytes(test::SampleImage()));
        WriteFile(root + "rk520/backups/rk520-20261202-080000-verify.rkd", "short");
        WriteFile(root + "rk7400/backups/rk7400-20261203-080000-before-write.zu1", FileBytes(RadioImage{}));
        // A radio of a series is listed at the time it was kept.
        const QString series = root + "rk520/backups/rk520-20261201-101502-series-03-check-after-write-2.rkd";
        WriteFile(series, FileBytes(test::SampleImage()));
        QFile kept(series);
        QVERIFY(kept.open(QIODevice::ReadWrite) &&
                kept.setFileTime(QDateTime(QDate(2026, 12, 1), QTime(10, 16, 40)), QFileDevice::FileModificationTime));
        kept.close();
        const Result own = Run({"backups", "--model", "rk520"});
        QCOMPARE(own.code, 0);
        const QStringList lines = own.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[1].startsWith("2026-12-02 08:00:00  check-after-write  "), qPrintable(lines[1]));
        QVERIFY2(lines[1].contains("  unreadable "), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith("2026-12-01 10:16:40  series 10:15:02, radio 3, check-after-write  9 "),
                 qPrintable(lines[2]));
        QVERIFY2(lines[3].contains(QRegularExpression("^2026-12-01 08:00:00  read +9 +/.*rk520-20261201-080000-read.rkd$")),
                 qPrintable(lines[3]));
        const Result json = Run({"backups", "--json"});
        const QJsonArray all = QJsonDocument::fromJson(json.out.toUtf8()).array();
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[0].toObject()["kind"].toString(), QStringLiteral("before-write"));
        QCOMPARE(all[0].toObject()["configuredChannels"].toInt(), 0);
        QVERIFY(all[0].toObject()["series"].isNull());
        QCOMPARE(all[1].toObject()["readable"].toBool(), false);
        const QJsonObject radio = all[2].toObject()["series"].toObject();
        QCOMPARE(radio["start"].toString(), QStringLiteral("2026-12-01T10:15:02"));
        QCOMPARE(radio["radio"].toInt(), 3);
        qputenv("XDG_DATA_HOME", dataHome);
    }

private:
    QTemporaryDir m_dir;
    std::optional<test::FreshBackupFolder> m_backups;
};

RK_TEST_GUILESS_MAIN(RkradioTest)
#include "RkradioTest.moc"
