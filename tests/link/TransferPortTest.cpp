// The clone transfer's the ports: opens that fail, the search, what a failure names.

#include "TestRunner.h"
#include "TransferRig.h"

#include <algorithm>

using namespace rk;
using namespace rk::test;

class TransferPortTest : public QObject {
    Q_OBJECT

private slots:
    void init() { g_check = CheckPlan{}; }

    void openFailure_data();
    void openFailure();
    void portSearch_data();
    void portSearch();
    void failedPortsExplained_data();
    void failedPortsExplained();
    void portsGivenAreTheOnesTried_data();
    void portsGivenAreTheOnesTried();
};

void TransferPortTest::openFailure_data() {
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

void TransferPortTest::openFailure() {
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
    QCOMPARE(FirstLines(rig.record.messages), std::vector<std::string>{message.toStdString()});
    QVERIFY(rig.transfer.IsIdle());
    QVERIFY(rig.timers.running.empty());
    QVERIFY(!rig.port.IsOpen());
    QCOMPARE(rig.port.sent.size(), static_cast<std::size_t>(opensAllowed));
    QVERIFY(rig.DocumentAsBefore());
}

void TransferPortTest::portSearch_data() {
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

void TransferPortTest::portSearch() {
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
            QCOMPARE(FirstLines(rig.record.messages), std::vector<std::string>{"Проверьте настройки и подключение рации"});
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
        QCOMPARE(rig.record.messages.size(), std::size_t{1});
        QCOMPARE(rig.record.messages[0],
                 std::string(writing ? "Запись данных завершена" : "Чтение данных завершено"));
        // Every block went through the port that answered.
        QCOMPARE(rig.port.sent.size(), static_cast<std::size_t>(handshakeWindows + 5));
        for (std::size_t i = static_cast<std::size_t>(handshakeWindows); i < rig.port.sent.size(); ++i)
            QCOMPARE(rig.port.sent[i].port, usedPort.toStdString());
        if (!writing) QCOMPARE(rig.document.Image(), SampleImage());
    }
}

void TransferPortTest::failedPortsExplained_data() {
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

void TransferPortTest::failedPortsExplained() {
    QFETCH(QString, model);
    QFETCH(PortProblem, problem);
    QFETCH(QString, explanation);
    Rig rig(ProfileNamed(model));
    rig.port.openable.clear();
    for (const char* name : kPortTable) rig.port.problems[name] = problem;
    rig.Read();
    QCOMPARE(rig.record.messages.size(), std::size_t{1});
    const QString text = QString::fromStdString(rig.record.messages[0]);
    QCOMPARE(text.section('\n', 0, 0), QString::fromUtf8(TextsOf(ProfileNamed(model)).transfer.openFailedHandshake));
    QVERIFY2(text.section('\n', 1).startsWith(explanation), qPrintable(text));
}

void TransferPortTest::portsGivenAreTheOnesTried_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("menuPort");
    QTest::addColumn<std::vector<std::string>>("tried");
    using V = std::vector<std::string>;
    QTest::newRow("rk520: the menu's port alone") << "rk520" << "COM2" << V{"COM2"};
    QTest::newRow("rk7400: the menu's port, then the rest in order")
        << "rk7400" << "COM2" << V{"COM2", "COM1", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"};
    QTest::newRow("rk7400: one device named alone") << "rk7400" << "" << V{"/dev/ttyUSB0"};
}

// A failure names exactly the ports the transfer was given, in that order.
void TransferPortTest::portsGivenAreTheOnesTried() {
    QFETCH(QString, model);
    QFETCH(QString, menuPort);
    QFETCH(std::vector<std::string>, tried);
    Rig rig(ProfileNamed(model));
    rig.port.openable.clear();
    if (menuPort.isEmpty())
        rig.transfer.SetPorts({{tried.front(), tried.front()}});
    else
        rig.transfer.SetPorts(ProgramPorts(rig.rules, menuPort.toStdString()));
    rig.transfer.OnReadRadio();
    QVERIFY(rig.transfer.IsIdle());
    QCOMPARE(rig.record.failures.size(), std::size_t{1});
    std::vector<std::string> names;
    for (const PortAttempt& attempt : rig.record.failures[0].tried) names.push_back(attempt.name);
    QCOMPARE(names, tried);
    QCOMPARE(rig.record.failures[0].searched, tried.size() > 1);
    // One port is explained on its own line, with no search heading.
    const std::string message = rig.record.messages[0];
    QCOMPARE(static_cast<std::size_t>(std::count(message.begin(), message.end(), '\n')),
             tried.size() == 1 ? std::size_t{1} : tried.size() + 1);
}

int RunTransferPortTests(int argc, char** argv) {
    TransferPortTest test;
    return RunTestObject(test, argc, argv);
}

#include "TransferPortTest.moc"
