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
#include "TestImages.h"
#include "TransferSession.h"
#include "WriteSeries.h"
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

// A series of writes as a program runs it, radio after radio on one
// pseudo-terminal (RadioSimulator::Swap), with an empty backup folder. The
// preview, when asked, is answered by `preview`: true goes on.
struct SeriesRig {
    explicit SeriesRig(const ModelRules& model, const TransferPeriods& linkPeriods = kTestPeriods)
        : rules(model), link(model, *port, linkPeriods), session(link), series(session, QString::fromUtf8(model.programName)) {
        QObject::connect(&session, &TransferSession::writeAwaiting, [this](const WritePreview&) {
            ++previews;
            if (preview)
                session.Proceed();
            else
                session.Cancel();
        });
    }
    std::vector<PortCandidate> Ports() const { return {{"COM1", radio.SlavePath()}}; }
    bool Begin(const RadioImage& image, WriteOptions options, const RadioSimulator::Behaviour& behaviour = {}) {
        return radio.Start(behaviour) && series.Begin(image, options, Ports()) && WaitForRadio();
    }
    // Puts the next radio on the line and writes it (`retry`: the last one again).
    bool Next(const RadioImage& held, const RadioSimulator::Behaviour& behaviour = {}, bool retry = false) {
        if (!radio.Swap(held, behaviour)) return false;
        retry ? series.Retry() : series.WriteNext();
        return WaitForRadio();
    }
    bool WaitForRadio() {
        return QTest::qWaitFor([this] { return !series.IsWriting(); }, kTransferWaitMs);
    }

    FreshBackupFolder backups;
    const ModelRules& rules;
    RadioSimulator radio{SampleImage()};
    std::unique_ptr<SerialPort> port = MakeSystemPort();
    CloneLink link;
    TransferSession session;
    WriteSeries series;
    bool preview = true;
    int previews = 0;
};

}  // namespace rk::test
