#pragma once
// The clone transfer as the program runs it: the state machine on the real
// serial port, driven by one-shot QTimers, with messages through
// rk::Prompts. The form owns one and forwards its Read/Write commands, its
// quit question (IsWriting) and its close request here.

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

class CloneLink final : public QObject, private TransferTimers, private TransferHost {
    Q_OBJECT
public:
    CloneLink(const ModelProfile& profile, RadioDocument& document, TransferDisplay& display,
              QObject* parent = nullptr);
    // Shortened periods, for tests against the radio simulator.
    CloneLink(const ModelProfile& profile, RadioDocument& document, TransferDisplay& display,
              TransferPeriods periods, QObject* parent = nullptr);
    ~CloneLink() override;

    void OnReadRadio();
    void OnWriteRadio();
    bool IsWriting() const { return m_transfer.IsWriting(); }
    void OnCloseRequest() { m_transfer.OnCloseRequest(); }

    const CloneTransfer& Transfer() const { return m_transfer; }

private:
    void StartTimer(int id) override;
    void StopTimer(int id) override;
    void ShowMessage(const char* utf8) override;
    void ShowReadImage() override;
    void ShowRefusedChannel(int channel) override;

    QTimer* TimerFor(int id);
    int PeriodFor(int id) const;

    TransferPeriods m_periods;
    // When the step in progress began. A timer's period counts from there, so
    // the time a step spends opening the port does not add up over a transfer.
    QElapsedTimer m_stepClock;
    TransferDisplay& m_display;
    QtSerialLink m_link;
    QTimer m_blockReplyTimer;
    QTimer m_writeBlockTimer;
    QTimer m_handshakeTimer;
    CloneTransfer m_transfer;
};

}  // namespace rk
