// What a failed open of a Windows port means, and the order the port list
// shows: plain functions, checked on every platform.

#include <QTest>

#include "WinPortNames.h"

using namespace rk;

Q_DECLARE_METATYPE(rk::PortProblem)
Q_DECLARE_METATYPE(rk::OpenError)

class WinPortNamesTest : public QObject {
    Q_OBJECT
private slots:
    // The error code, through what it says, to the problem the programs word.
    void errorCodesNameTheCause_data() {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<bool>("anyPortListed");
        QTest::addColumn<OpenError>("error");
        QTest::addColumn<PortProblem>("problem");
        QTest::newRow("file not found") << 2u << true << OpenError::NotFound << PortProblem::Absent;
        QTest::newRow("path not found") << 3u << true << OpenError::NotFound << PortProblem::Absent;
        QTest::newRow("bad name") << 123u << true << OpenError::NotFound << PortProblem::Absent;
        QTest::newRow("adapter gone") << 31u << true << OpenError::NotFound << PortProblem::Absent;
        QTest::newRow("not connected") << 1167u << true << OpenError::NotFound << PortProblem::Absent;
        QTest::newRow("not there, none listed") << 2u << false << OpenError::NotFound << PortProblem::NoSerialDevices;
        QTest::newRow("held: access denied") << 5u << true << OpenError::AccessDenied << PortProblem::InUse;
        QTest::newRow("held: sharing violation") << 32u << true << OpenError::AccessDenied << PortProblem::InUse;
        QTest::newRow("held, none listed") << 5u << false << OpenError::AccessDenied << PortProblem::InUse;
        QTest::newRow("busy") << 170u << true << OpenError::AccessDenied << PortProblem::InUse;
        QTest::newRow("needs elevation") << 740u << true << OpenError::Other << PortProblem::OpenFailed;
        QTest::newRow("invalid function") << 1u << true << OpenError::Other << PortProblem::OpenFailed;
        QTest::newRow("no error code") << 0u << true << OpenError::Other << PortProblem::OpenFailed;
        QTest::newRow("largest code") << 0xFFFFFFFFu << false << OpenError::Other << PortProblem::OpenFailed;
    }
    void errorCodesNameTheCause() {
        QFETCH(quint32, code);
        QFETCH(bool, anyPortListed);
        QFETCH(OpenError, error);
        QFETCH(PortProblem, problem);
        QCOMPARE(WindowsOpenError(code), error);
        QCOMPARE(ClassifyWindowsOpenFailure(error, anyPortListed), problem);
    }

    void heldHereIsInUse() {
        QCOMPARE(ClassifyWindowsOpenFailure(OpenError::AlreadyOpen, true), PortProblem::InUse);
    }

    void portListInNumberOrder_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("ten after two") << QStringList{"COM10", "COM2", "COM1"} << QStringList{"COM1", "COM2", "COM10"};
        QTest::newRow("other names last")
            << QStringList{"CNCA0", "COM3", "COMX", "COM"} << QStringList{"COM3", "CNCA0", "COM", "COMX"};
        QTest::newRow("each once, blanks dropped")
            << QStringList{"COM4", "", "com4", " COM4 ", "COM256"} << QStringList{"COM4", "COM256"};
        QTest::newRow("no number zero") << QStringList{"COM0", "COM9"} << QStringList{"COM9", "COM0"};
    }
    void portListInNumberOrder() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, ordered);
        QCOMPARE(OrderComNames(names), ordered);
    }
};

QTEST_GUILESS_MAIN(WinPortNamesTest)
#include "WinPortNamesTest.moc"
