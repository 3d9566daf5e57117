#pragma once
// The clone transfer as a program runs it: the state machine on the real
// serial port, driven by one-shot QTimers. It shows nothing: what happens is
// reported through the signals below, and the front end decides how to show
// it. QtCore and QtSerialPort only.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "CloneTransfer.h"
#include "QtSerialLink.h"

namespace rk {

// Timer periods in milliseconds. The programs always use the protocol's own.
struct TransferPeriods {
    int blockReplyMs = ProtocolPeriodMs(kBlockReplyTimer);
    int writeBlockMs = ProtocolPeriodMs(kWriteBlockTimer);
    int handshakeMs = ProtocolPeriodMs(kHandshakeTimer);
};

class CloneLink final : public QObject, private TransferTimers, private TransferListener {
    Q_OBJECT
public:
    CloneLink(const ModelRules& rules, RadioDocument& document, QObject* parent = nullptr);
    // Shortened periods, for tests against the radio simulator.
    CloneLink(const ModelRules& rules, RadioDocument& document, TransferPeriods periods, QObject* parent = nullptr);
    ~CloneLink() override;

    void OnReadRadio();
    void OnWriteRadio();
    bool IsWriting() const { return m_transfer.IsWriting(); }
    void OnCloseRequest() { m_transfer.OnCloseRequest(); }

    void SetMenuPort(const QString& name) { m_transfer.SetMenuPort(name.toStdString()); }
    QString MenuPort() const { return QString::fromStdString(m_transfer.MenuPort()); }

    const CloneTransfer& Transfer() const { return m_transfer; }

signals:
    void stepStarted(rk::TransferKind kind, int block, const QString& port);
    // The document holds the image read; channel 0 is current.
    void readCompleted(const QString& message);
    void writeCompleted(const QString& message);
    // `channel` is -1 when the check named none; `message` may be empty.
    void writeRefused(int channel, const QString& message);
    void failed(const QString& message);

private:
    void StartTimer(int id) override;
    void StopTimer(int id) override;
    void StepStarted(const TransferStep& step) override;
    void ReadCompleted(const char* message) override;
    void WriteCompleted(const char* message) override;
    void WriteRefused(int channel, const char* message) override;
    void TransferFailed(const char* message) override;

    QTimer* TimerFor(int id);
    int PeriodFor(int id) const;

    TransferPeriods m_periods;
    // When the step in progress began. A timer's period counts from there, so
    // the time a step spends opening the port does not add up over a transfer.
    QElapsedTimer m_stepClock;
    QtSerialLink m_link;
    QTimer m_blockReplyTimer;
    QTimer m_writeBlockTimer;
    QTimer m_handshakeTimer;
    CloneTransfer m_transfer;
};

}  // namespace rk
