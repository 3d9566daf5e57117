#pragma once
// The radio simulator on a COM name, and the whole link on it as a program
// drives it: CloneLink over the system's serial port, the ports from the
// menu's port and the model's search rule, a write of the document's image
// after the check has refreshed it, a read that becomes the document's
// (TransferRecord). ProgramOnRadio.h puts a real program on it instead.

#include <QTest>

#include <memory>
#include <string>

#include "CloneLink.h"
#include "DocumentRig.h"
#include "LinkRecord.h"
#include "RadioSimulator.h"
#include "SystemPorts.h"
#include "WriteValidation.h"

namespace rk::test {

// Long enough for a whole transfer at the protocol's periods on a loaded
// machine.
inline constexpr int kTransferWaitMs = 20000;

// COMn resolves to `path` (through its variable RK_COMn).
inline void PointComAt(int n, const std::string& path) {
    qputenv(QByteArray("RK_COM") + QByteArray::number(n), QByteArray::fromStdString(path));
}

// No COM name resolves.
inline void ForgetComNames() {
    for (int n = 1; n <= 8; ++n) qunsetenv((QByteArray("RK_COM") + QByteArray::number(n)).constData());
}

// Starts `radio` and points COMn at it; false when it does not start.
inline bool StartOnCom(RadioSimulator& radio, int n, const RadioSimulator::Behaviour& behaviour = {}) {
    if (!radio.Start(behaviour)) return false;
    PointComAt(n, radio.SlavePath());
    return true;
}

struct LinkRig : DocumentRig {
    explicit LinkRig(const ModelRules& model, const TransferPeriods& linkPeriods = kTestPeriods)
        : DocumentRig(model), periods(linkPeriods), link(model, *port, linkPeriods), record(model, &document) {
        ListenTo(link, record);
    }
    void Read() {
        link.SetPorts(Ports());
        link.OnReadRadio();
    }
    void Write(WriteOptions options = {}) {
        link.SetPorts(Ports());
        if (link.IsIdle()) document.RefreshDerived([this](RadioImage& image) { ValidateForWrite(image, rules.validation); });
        link.OnWriteRadio(document.Image(), options);
    }
    bool WaitForMessage() {
        return QTest::qWaitFor([this] { return !record.messages.empty(); }, kTransferWaitMs);
    }

    TransferPeriods periods;
    std::unique_ptr<SerialPort> port = MakeSystemPort();
    CloneLink link;
    TransferRecord record;
};

}  // namespace rk::test
