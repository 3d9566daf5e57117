// The Win32 serial adapter under Wine, in the prefix tests/windows/run.sh
// sets up: COM1 leads to the radio simulator on a pseudo-terminal, and no
// other COM name leads anywhere. RK_EXPECTED_IMAGE names the image the radio
// serves, as rkradio on Linux read it.

#include <windows.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "CloneLink.h"
#include "PortSearch.h"
#include "Rk520Rules.h"
#include "SystemPorts.h"
#include "WinPortNames.h"
#include "WinSerialPort.h"

using namespace rk;

Q_DECLARE_METATYPE(rk::PortProblem)

namespace {

constexpr int kTransferWaitMs = 30000;

// Wine's ntdll names its version; Windows' has no such export.
bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

class WinSerialPortTest : public QObject {
    Q_OBJECT
private slots:
    void theMappedPortIsListed() {
        QCOMPARE(ListComPorts(), QStringList{"COM1"});
        const auto devices = SystemPortDirectory().Devices();
        QCOMPARE(devices.size(), std::size_t{1});
        QCOMPARE(devices.front().path, std::string("COM1"));
    }

    // A table name the serial-port map lacks stands for no device; any other
    // name is tried and is not there.
    void namesThatLeadNowhereFail_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<PortProblem>("problem");
        QTest::newRow("second") << "COM2" << PortProblem::Unassigned;
        QTest::newRow("eighth") << "COM8" << PortProblem::Unassigned;
        QTest::newRow("two digits") << "COM10" << PortProblem::Absent;
        QTest::newRow("device namespace") << "\\\\.\\COM3" << PortProblem::Absent;
        QTest::newRow("not a port") << "LPT9" << PortProblem::Absent;
    }
    void namesThatLeadNowhereFail() {
        QFETCH(QString, name);
        QFETCH(PortProblem, problem);
        WinSerialPort port(SystemPortDirectory());
        QVERIFY(!port.OpenPort(name.toStdString()));
        QCOMPARE(port.LastOpen().problem, problem);
        QCOMPARE(port.LastOpen().name, name.toStdString());
        QVERIFY(!port.IsOpen());
    }

    void aPortHeldIsInUse() {
        WinSerialPort first(SystemPortDirectory());
        WinSerialPort second(SystemPortDirectory());
        QVERIFY(first.OpenPort("COM1"));
        const bool secondOpened = second.OpenPort("COM1");
        // Windows keeps a COM device to the handle that opened it without
        // sharing; Wine hands it to a second one as well.
        if (secondOpened && RunsUnderWine()) {
            QSKIP("Wine opens a serial device held by another handle");
        }
        QVERIFY(!secondOpened);
        QCOMPARE(second.LastOpen().problem, PortProblem::InUse);
        first.ClosePort();
        QVERIFY(second.OpenPort("COM1"));
        QCOMPARE(second.LastOpen().problem, PortProblem::None);
    }

    void closingTwiceAndReadingClosedAreHarmless() {
        WinSerialPort port(SystemPortDirectory());
        port.ClosePort();
        ReceiveBuffer buffer;
        buffer.count = 7;
        port.StartRead(buffer);  // nothing open: no read starts
        QVERIFY(!port.IsReading());
        QCOMPARE(buffer.count, std::size_t{7});
        QVERIFY(port.OpenPort("COM1"));
        port.StartRead(buffer);
        QCOMPARE(buffer.count, std::size_t{0});
        QVERIFY(port.IsReading());
        port.ClosePort();
        port.ClosePort();
        QVERIFY(!port.IsReading());
        QVERIFY(!port.IsOpen());
    }

    // The real transfer through the adapter, on the protocol's own periods:
    // the image arrives as the radio holds it.
    void aReadThroughTheAdapterGetsTheRadiosImage() {
        QFile expectedFile(qEnvironmentVariable("RK_EXPECTED_IMAGE"));
        QVERIFY2(expectedFile.open(QIODevice::ReadOnly), "RK_EXPECTED_IMAGE names no readable image");
        const QByteArray expected = expectedFile.readAll().left(static_cast<qsizetype>(kImageSize));
        QCOMPARE(expected.size(), static_cast<qsizetype>(kImageSize));

        const auto port = MakeSystemPort();
        CloneLink link(Rk520Rules(), *port);
        QSignalSpy completed(&link, &CloneLink::readCompleted);
        QSignalSpy failed(&link, &CloneLink::failed);
        link.SetPorts(ProgramPorts(Rk520Rules(), "COM1"));
        QElapsedTimer clock;
        clock.start();
        link.OnReadRadio();
        QVERIFY(QTest::qWaitFor([&] { return !completed.isEmpty() || !failed.isEmpty(); }, kTransferWaitMs));
        QCOMPARE(failed.size(), 0);
        const auto result = completed.first().first().value<ReadResult>();
        const auto& bytes = result.image.Bytes();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
                 expected);
        qInfo("read through the adapter: %lld ms", static_cast<long long>(clock.elapsed()));
    }
};

QTEST_GUILESS_MAIN(WinSerialPortTest)
#include "WinSerialPortTest.moc"
