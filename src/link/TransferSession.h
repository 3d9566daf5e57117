#pragma once
// One operation on the radio run to its end over a CloneLink: a read, a
// write (with its backup read, the pause for the preview, the write and the
// read-back, as its options ask), or a verify. The front ends start it, may
// answer the pause or stop it, and get exactly one TransferOutcome at the
// end; they never look inside the link. QtCore only.

#include <QObject>
#include <optional>

#include "BackupCatalogue.h"
#include "CloneLink.h"
#include "TransferOutcome.h"

namespace rk {

class TransferSession final : public QObject {
    Q_OBJECT
public:
    explicit TransferSession(CloneLink& link, QObject* parent = nullptr);

    // Each is ignored while an operation runs. `ports` are tried in order.
    void Read(std::vector<PortCandidate> ports);
    // Writes `image` once the pre-write check has refreshed and passed it.
    // A radio of a series names its backups after the series and the radio.
    void Write(const RadioImage& image, WriteOptions options, std::vector<PortCandidate> ports,
               std::optional<BackupSeries> series = std::nullopt);
    // Reads the radio and compares it with `image` as a write would send it.
    void Verify(const RadioImage& image, std::vector<PortCandidate> ports);

    // After writeAwaiting: go on with the write, or end with nothing written.
    void Proceed() { m_link.ProceedWrite(); }
    void Cancel();
    // Ends the operation at once; a write block on the line is cut short.
    // During the pause for the preview, the write is declined as by Cancel.
    void Stop();
    // Ends it once no write block is half sent.
    void StopAfterBlock();

    bool IsIdle() const { return m_link.IsIdle(); }
    bool IsAwaiting() const { return m_link.Transfer().IsAwaiting(); }
    // Write blocks are going out: a stop now leaves the radio partly written.
    bool IsWriting() const { return m_link.IsWriting(); }
    // The step on the line: 0 the handshake, 1..5 a block.
    int BlockOnLine() const { return m_step.block; }
    // The running write's backup from before it (empty until it is kept).
    BackupCopy Before() const;
    // Where every image read from the radio is kept.
    const BackupStore& Backups() const { return m_link.Backups(); }

signals:
    void stepStarted(const rk::TransferStep& step);
    void writeAwaiting(const rk::WritePreview& preview);
    // The operation is over; exactly one per operation started.
    void finished(const rk::TransferOutcome& outcome);

private:
    void Begin(TransferAsk asked, WriteOptions options, std::vector<PortCandidate> ports);
    void OnStep(const TransferStep& step);
    void OnRead(const ReadResult& result);
    void OnWritten(const WriteResult& result);
    void OnRefused(const WriteRefusal& refusal);
    void OnFailed(const TransferFailure& failure);
    void OnStopped(TransferPhase phase);
    void End(TransferEnd end, TransferPhase phase);

    CloneLink& m_link;
    TransferOutcome m_outcome;
    TransferStep m_step;
    RadioImage m_expected;  // a verify's
    int m_blocksSent = 0;
    bool m_cut = false;  // Stop() came while a write block was on the line
    bool m_declined = false;  // stopped at the pause for the preview
};

}  // namespace rk

Q_DECLARE_METATYPE(rk::TransferOutcome)
