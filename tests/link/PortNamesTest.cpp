// How COM1..COM8 find their device, and why one fails to open.

#include <QTest>

#include <map>

#include "PortNames.h"
#include "QtSerialLink.h"
#include "QtPortDirectory.h"
#include "TestRunner.h"

using namespace rk;

using VariableMap = std::map<int, QString>;
Q_DECLARE_METATYPE(VariableMap)
Q_DECLARE_METATYPE(rk::PortProblem)
Q_DECLARE_METATYPE(rk::OpenError)

class PortNamesTest : public QObject {
    Q_OBJECT

private slots:
    void devicesInOrder_data();
    void devicesInOrder();
    void mapping_data();
    void mapping();
    // Root opens every device, so a permission failure cannot be produced
    // here; the mapping from what QSerialPort says is checked instead.
    void openFailureCause_data();
    void openFailureCause();
};

void PortNamesTest::openFailureCause_data() {
    QTest::addColumn<OpenError>("error");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("accessible");
    QTest::addColumn<PortProblem>("cause");
    QTest::newRow("no permission") << OpenErrorOf(QSerialPort::PermissionError) << true << false << PortProblem::PermissionDenied;
    QTest::newRow("locked by another program") << OpenErrorOf(QSerialPort::PermissionError) << true << true << PortProblem::InUse;
    QTest::newRow("device gone") << OpenErrorOf(QSerialPort::DeviceNotFoundError) << false << false << PortProblem::Absent;
    QTest::newRow("open here already") << OpenErrorOf(QSerialPort::OpenError) << true << true << PortProblem::InUse;
    QTest::newRow("other") << OpenErrorOf(QSerialPort::UnknownError) << true << true << PortProblem::OpenFailed;
}

void PortNamesTest::openFailureCause() {
    QFETCH(OpenError, error);
    QFETCH(bool, exists);
    QFETCH(bool, accessible);
    QFETCH(PortProblem, cause);
    QCOMPARE(ClassifyOpenError(error, exists, accessible), cause);
}

void PortNamesTest::devicesInOrder_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("ordered");
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("USB adapters before built-in ports")
        << QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyS1", "/dev/ttyACM0"}
        << QStringList{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"};
    QTest::newRow("numbers by value") << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyS10", "/dev/ttyS9"}
                                      << QStringList{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS9", "/dev/ttyS10"};
    QTest::newRow("listed twice") << QStringList{"/dev/ttyUSB0", "/dev/ttyUSB0"} << QStringList{"/dev/ttyUSB0"};
}

void PortNamesTest::devicesInOrder() {
    QFETCH(QStringList, present);
    QFETCH(QStringList, ordered);
    QCOMPARE(OrderSerialDevices(present), ordered);
}

void PortNamesTest::mapping_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<VariableMap>("variables");
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QString>("device");
    const QStringList two{"/dev/ttyUSB0", "/dev/ttyS0"};
    QTest::newRow("COM1 is the first device") << "COM1" << VariableMap{} << two << "/dev/ttyUSB0";
    QTest::newRow("COM2 is the second") << "COM2" << VariableMap{} << two << "/dev/ttyS0";
    QTest::newRow("COM3 beyond the devices") << "COM3" << VariableMap{} << two << "";
    QTest::newRow("no devices") << "COM1" << VariableMap{} << QStringList{} << "";
    QTest::newRow("variable wins") << "COM1" << VariableMap{{1, "/dev/pts/7"}} << two << "/dev/pts/7";
    QTest::newRow("COM8 by variable") << "COM8" << VariableMap{{8, "/tmp/radio"}} << two << "/tmp/radio";
    QTest::newRow("another variable set: no device") << "COM1" << VariableMap{{2, "/dev/pts/7"}} << two << "";
    QTest::newRow("COM0") << "COM0" << VariableMap{} << two << "";
    QTest::newRow("COM9") << "COM9" << VariableMap{{9, "/dev/pts/1"}} << two << "";
    QTest::newRow("lower case") << "com1" << VariableMap{} << two << "";
    QTest::newRow("a path") << "/dev/ttyS0" << VariableMap{} << two << "";
    QTest::newRow("empty") << "" << VariableMap{} << two << "";
}

void PortNamesTest::mapping() {
    QFETCH(QString, name);
    QFETCH(VariableMap, variables);
    QFETCH(QStringList, devices);
    QFETCH(QString, device);
    const PortVariableLookup lookup = [&variables](int n) -> std::optional<QString> {
        const auto it = variables.find(n);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    };
    QCOMPARE(MapPortName(name, lookup, devices), device);
}

RK_TEST_GUILESS_MAIN(PortNamesTest)
#include "PortNamesTest.moc"
