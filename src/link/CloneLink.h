#pragma once
// The clone transfer as a program runs it: the state machine on the serial
// port it is handed (MakeSystemPort, or a test's), driven by one-shot QTimers, with every image read from the
// radio kept in the backup folder. It shows nothing: what happens is reported
// through the signals below, and the front end decides how to show it
// (TransferReport.h puts the results into words). QtCore and QtSerialPort
// only, so that the programs and the command line run the same sequence with
// the same timing.
//
// Operations (each ignored while another runs), on the ports SetPorts gave:
//   OnReadRadio()                radio -> readCompleted's image     10.5 s
//   OnWriteRadio(image, options) image -> radio; with backupFirst the radio
//                                is read and kept first, with verifyAfter
//                                read back and compared after  10.5 s each;
//                                with backupFirst and previewFirst it pauses
//                                after the backup (writeAwaiting) until
//   ProceedWrite() / CancelWrite()
//   Stop()                       ends any of them at once
//   StopAfterBlock()             ends them once no write block is half sent
// To check a radio against an image, OnReadRadio() and compare the result
// with CompareImages (ImageDiff.h). The link touches no document.
//
// Reports, in order: stepStarted for every step (progress), writeAwaiting for
// a paused write, then exactly one of readCompleted, writeCompleted,
// writeRefused, failed or stopped.

#include <QElapsedTimer>
#include <QMetaType>
#include <QObject>
#include <QTimer>

#include "BackupStore.h"
#include "CloneTransfer.h"
#include "SerialPort.h"

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
    // `port` must outlive the link and live on its thread. Shortened
    // periods are for tests against the radio simulator.
    CloneLink(const ModelRules& rules, SerialPort& port, TransferPeriods periods = {}, QObject* parent = nullptr);
    ~CloneLink() override;

    void OnReadRadio();
    void OnWriteRadio(const RadioImage& image, WriteOptions options = {});
    void Stop();
    // Stops once the write block on the line has had its time (at once when
    // none is); see CloneTransfer::StopAfterBlock.
    void StopAfterBlock() { m_transfer.StopAfterBlock(); }
    // The write's own exchange starts with its handshake, on the protocol's
    // periods however long the pause was.
    void ProceedWrite();
    void CancelWrite() { m_transfer.CancelWrite(); }

    bool IsIdle() const { return m_transfer.IsIdle(); }
    // Blocks of a write are going out: stopping or quitting now leaves the
    // radio partly written.
    bool IsWriting() const { return m_transfer.IsWriting(); }
    // The window is closing: the timers stop and the port is let go, with no
    // report.
    void OnCloseRequest() { m_transfer.OnCloseRequest(); }

    // The ports the next operations try, in order.
    void SetPorts(std::vector<PortCandidate> ports) { m_transfer.SetPorts(std::move(ports)); }
    // For tests: periods from the next step on.
    void SetPeriods(TransferPeriods periods) { m_periods = periods; }
    // How long ago the step in progress began (its timer fired or its command
    // came): a stepStarted listener places the step on the link's schedule
    // with it, not at the report, which comes after the port has opened.
    double StepAgeMs() const { return m_stepClock.isValid() ? static_cast<double>(m_stepClock.nsecsElapsed()) / 1e6 : 0; }

    const BackupStore& Backups() const { return m_backups; }
    // The radio of a series the next backups come from (BackupStore::SetSeries).
    void SetBackupSeries(std::optional<BackupSeries> series) { m_backups.SetSeries(std::move(series)); }
    const CloneTransfer& Transfer() const { return m_transfer; }

signals:
    void stepStarted(const rk::TransferStep& step);
    void writeAwaiting(const rk::WritePreview& preview);
    void readCompleted(const rk::ReadResult& result);
    void writeCompleted(const rk::WriteResult& result);
    void writeRefused(const rk::WriteRefusal& refusal);
    void failed(const rk::TransferFailure& failure);
    void stopped(rk::TransferPhase phase);

private:
    void StartTimer(int id) override;
    void StopTimer(int id) override;
    void StepStarted(const TransferStep& step) override;
    void WriteAwaiting(const WritePreview& preview) override;
    void ReadCompleted(const ReadResult& result) override;
    void WriteCompleted(const WriteResult& result) override;
    void WriteRefused(const WriteRefusal& refusal) override;
    void TransferFailed(const TransferFailure& failure) override;
    void TransferStopped(TransferPhase phase) override;

    QTimer* TimerFor(int id);
    int PeriodFor(int id) const;

    TransferPeriods m_periods;
    // When the step in progress began. A timer's period counts from there, so
    // the time a step spends opening the port or keeping a backup does not
    // add up over a transfer.
    QElapsedTimer m_stepClock;
    BackupStore m_backups;
    QTimer m_blockReplyTimer;
    QTimer m_writeBlockTimer;
    QTimer m_handshakeTimer;
    CloneTransfer m_transfer;
};

}  // namespace rk

Q_DECLARE_METATYPE(rk::TransferStep)
Q_DECLARE_METATYPE(rk::ReadResult)
Q_DECLARE_METATYPE(rk::WriteResult)
Q_DECLARE_METATYPE(rk::WritePreview)
Q_DECLARE_METATYPE(rk::WriteRefusal)
Q_DECLARE_METATYPE(rk::TransferFailure)
Q_DECLARE_METATYPE(rk::TransferPhase)
