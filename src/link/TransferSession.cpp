#include "TransferSession.h"

#include "WriteValidation.h"

namespace rk {
namespace {

// The port would not open, or the radio did not answer as it should.
TransferEnd EndOf(const TransferFailure& failure) {
    switch (failure.kind) {
    case FailureKind::OpenFailedHandshake:
    case FailureKind::OpenFailedBlockRequest:
    case FailureKind::OpenFailedWriteBlock: return TransferEnd::PortProblem;
    case FailureKind::NoHandshakeReply:
    case FailureKind::IncompleteRead: return TransferEnd::RadioProblem;
    case FailureKind::BackupNotSaved: return TransferEnd::BackupNotSaved;
    }
    return TransferEnd::RadioProblem;
}

}  // namespace

TransferSession::TransferSession(CloneLink& link, QObject* parent) : QObject(parent), m_link(link) {
    connect(&link, &CloneLink::stepStarted, this, &TransferSession::OnStep);
    connect(&link, &CloneLink::writeAwaiting, this, &TransferSession::writeAwaiting);
    connect(&link, &CloneLink::readCompleted, this, &TransferSession::OnRead);
    connect(&link, &CloneLink::writeCompleted, this, &TransferSession::OnWritten);
    connect(&link, &CloneLink::writeRefused, this, &TransferSession::OnRefused);
    connect(&link, &CloneLink::failed, this, &TransferSession::OnFailed);
    connect(&link, &CloneLink::stopped, this, &TransferSession::OnStopped);
}

void TransferSession::Begin(TransferAsk asked, WriteOptions options, std::vector<PortCandidate> ports) {
    m_outcome = TransferOutcome{};
    m_outcome.asked = asked;
    m_outcome.options = options;
    m_step = TransferStep{};
    m_blocksSent = 0;
    m_cut = false;
    m_declined = false;
    m_link.SetBackupSeries(std::nullopt);
    m_link.SetPorts(std::move(ports));
}

void TransferSession::Read(std::vector<PortCandidate> ports) {
    if (!IsIdle()) return;
    Begin(TransferAsk::Read, {}, std::move(ports));
    m_link.OnReadRadio();
}

void TransferSession::Write(const RadioImage& image, WriteOptions options, std::vector<PortCandidate> ports,
                            std::optional<BackupSeries> series) {
    if (!IsIdle()) return;
    Begin(TransferAsk::Write, options, std::move(ports));
    m_link.SetBackupSeries(series);
    m_link.OnWriteRadio(image, options);
}

void TransferSession::Verify(const RadioImage& image, std::vector<PortCandidate> ports) {
    if (!IsIdle()) return;
    Begin(TransferAsk::Verify, {}, std::move(ports));
    m_expected = image;
    RefreshDerivedFields(m_expected);
    m_link.OnReadRadio();
}

BackupCopy TransferSession::Before() const {
    if (m_outcome.asked != TransferAsk::Write) return {};
    return m_link.Transfer().Job().result.before;
}

void TransferSession::Cancel() {
    m_declined = IsAwaiting();
    m_link.CancelWrite();
}

void TransferSession::Stop() {
    m_cut = IsWriting() && m_step.phase == TransferPhase::Write && m_step.block > 0;
    m_declined = IsAwaiting();
    m_link.Stop();
}

void TransferSession::StopAfterBlock() {
    m_declined = IsAwaiting();
    m_link.StopAfterBlock();
}

// A write block goes out right after its step is reported.
void TransferSession::OnStep(const TransferStep& step) {
    m_step = step;
    if (step.phase == TransferPhase::Write && step.block > 0) ++m_blocksSent;
    emit stepStarted(step);
}

void TransferSession::OnRead(const ReadResult& result) {
    m_outcome.read = result;
    if (m_outcome.asked == TransferAsk::Verify) m_outcome.differences = CompareImages(m_expected, result.image);
    End(TransferEnd::Done, TransferPhase::Read);
}

void TransferSession::OnWritten(const WriteResult& result) {
    m_outcome.write = result;
    End(TransferEnd::Done, result.verify == VerifyOutcome::NotAsked ? TransferPhase::Write : TransferPhase::Verify);
}

void TransferSession::OnRefused(const WriteRefusal& refusal) {
    m_outcome.refusal = refusal;
    End(TransferEnd::Refused, TransferPhase::Write);
}

void TransferSession::OnFailed(const TransferFailure& failure) {
    m_outcome.failure = failure;
    End(EndOf(failure), failure.phase);
}

void TransferSession::OnStopped(TransferPhase phase) { End(TransferEnd::Stopped, phase); }

// What the radio holds is decided here, for every front end: blocks that had
// their whole time on the line reached it; a block cut short by a stop left
// it partly written.
void TransferSession::End(TransferEnd end, TransferPhase phase) {
    TransferOutcome& outcome = m_outcome;
    outcome.end = end;
    outcome.phase = phase;
    outcome.block = m_step.phase == phase ? m_step.block : 0;
    if (end != TransferEnd::Refused) outcome.before = Before();
    if (outcome.asked == TransferAsk::Write && end != TransferEnd::Done && end != TransferEnd::Refused) {
        // What was sent and what the radio held, for a write cut short too.
        const WriteResult& job = m_link.Transfer().Job().result;
        outcome.write.sent = job.sent;
        outcome.write.beforeImage = job.beforeImage;
    }
    outcome.declined = end == TransferEnd::Stopped && m_declined;
    m_link.SetBackupSeries(std::nullopt);
    const int whole = m_cut ? m_blocksSent - 1 : m_blocksSent;
    outcome.blocksWritten = whole;
    if (outcome.asked != TransferAsk::Write || m_blocksSent == 0)
        outcome.radio = RadioHolds::OldData;
    else if (whole == kImageBlocks || phase == TransferPhase::Verify)
        outcome.radio = RadioHolds::NewData;
    else
        outcome.radio = RadioHolds::PartlyWritten;
    const TransferOutcome copy = outcome;
    emit finished(copy);
}

}  // namespace rk
