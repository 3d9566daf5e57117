// The operation: a read, or a write with its backup read before, its pause
// for the preview and its read-back after, each made of exchanges
// (CloneExchange.cpp), and its one closing report.

#include "CloneTransfer.h"

#include <algorithm>

namespace rk {

CloneTransfer::CloneTransfer(const ModelRules& rules, SerialPort& port, TransferTimers& timers,
                             TransferListener& listener, WriteCheck check, BackupArchive* archive)
    : m_rules(rules), m_port(port), m_timers(timers), m_listener(listener), m_check(check), m_archive(archive) {}

void CloneTransfer::OnReadRadio() {
    if (!IsIdle()) return;
    m_job = TransferJob{};
    StartReadExchange(TransferPhase::Read);
}

void CloneTransfer::OnWriteRadio(const RadioImage& image, WriteOptions options) {
    if (!IsIdle()) return;
    RadioImage checked = image;
    const ValidationVerdict verdict = m_check(checked, m_rules.validation);
    if (!verdict.passed) {
        WriteRefusal refusal;
        refusal.rule = verdict.rule;
        refusal.bandEdge = static_cast<std::int32_t>(checked.Settings().bandLow() * 4);
        if (verdict.failingChannel >= 0 && verdict.failingChannel < kChannelCount)
            refusal.channel = verdict.failingChannel;
        m_listener.WriteRefused(refusal);
        return;
    }
    m_state.transferBuffer = verdict.transferBytes;
    m_job = TransferJob{};
    std::copy(verdict.transferBytes.begin(), verdict.transferBytes.end(), m_job.result.sent.Bytes().begin());
    m_job.options = options;
    m_job.exchanges = 1 + (options.backupFirst ? 1 : 0) + (options.verifyAfter ? 1 : 0);
    if (options.backupFirst)
        StartReadExchange(TransferPhase::Backup);
    else
        StartWriteExchange();
}

void CloneTransfer::Stop() {
    if (m_job.awaiting) return CancelWrite();
    if (IsIdle()) return;
    OnCloseRequest();
    m_state.transferState = TransferState::Idle;
    m_listener.TransferStopped(m_job.phase);
}

// A write block is on the line while its timer runs; WriteBlockDone ends the
// write then.
void CloneTransfer::StopAfterBlock() {
    if (IsWriting() && m_job.blocksSent > 0)
        m_job.stopAfterBlock = true;
    else
        Stop();
}

void CloneTransfer::ProceedWrite() {
    if (!m_job.awaiting) return;
    m_job.awaiting = false;
    ++m_job.exchange;
    StartWriteExchange();
}

void CloneTransfer::CancelWrite() {
    if (!m_job.awaiting) return;
    m_job.awaiting = false;
    m_listener.TransferStopped(TransferPhase::Backup);
}

void CloneTransfer::StartReadExchange(TransferPhase phase) {
    m_job.phase = phase;
    m_job.tried.clear();
    m_state.transferState = TransferState::Reading;
    m_state.portIndex = 0;
    m_state.readRow = 0;
    RunHandshake();
}

void CloneTransfer::StartWriteExchange() {
    m_job.phase = TransferPhase::Write;
    m_job.tried.clear();
    m_state.transferState = TransferState::Writing;
    m_state.portIndex = 0;
    m_state.writeRow = 0;
    RunHandshake();
}

void CloneTransfer::FinishRead() {
    switch (m_job.phase) {
    case TransferPhase::Backup: {
        m_job.result.before = KeepBackup(BackupKind::BeforeWrite);
        m_job.result.beforeImage = m_state.staging;
        if (m_job.result.before.Failed()) {
            Fail(FailureKind::BackupNotSaved);
            return;
        }
        if (m_job.options.previewFirst) {
            // The port is closed and no timer runs while the caller decides.
            m_state.transferState = TransferState::Idle;
            m_job.awaiting = true;
            WritePreview preview;
            preview.before = m_job.result.before;
            preview.radio = m_state.staging;
            preview.sent = m_job.result.sent;
            preview.differences = CompareImages(preview.radio, preview.sent);
            m_listener.WriteAwaiting(preview);
            return;
        }
        ++m_job.exchange;
        StartWriteExchange();
        return;
    }
    case TransferPhase::Verify: FinishVerify(KeepBackup(BackupKind::Verify)); return;
    case TransferPhase::Read:
    case TransferPhase::Write: break;
    }
    ReadResult result;
    result.image = m_state.staging;
    result.backup = KeepBackup(BackupKind::Read);
    m_state.transferState = TransferState::Idle;
    m_listener.ReadCompleted(result);
}

void CloneTransfer::FinishVerify(BackupCopy copy) {
    WriteResult& result = m_job.result;
    result.readBack = std::move(copy);
    result.readBackImage = m_state.staging;
    result.differences = CompareImages(result.sent, m_state.staging);
    result.verify = result.differences.empty() ? VerifyOutcome::Matches : VerifyOutcome::Differs;
    m_state.transferState = TransferState::Idle;
    m_listener.WriteCompleted(result);
}

BackupCopy CloneTransfer::KeepBackup(BackupKind kind) {
    return m_archive ? m_archive->Keep(m_state.staging, kind) : BackupCopy{};
}

// The fifth block has had its time: the read-back follows, if asked for.
void CloneTransfer::WriteExchangeDone() {
    if (m_job.options.verifyAfter) {
        ++m_job.exchange;
        StartReadExchange(TransferPhase::Verify);
        return;
    }
    m_state.transferState = TransferState::Idle;
    m_listener.WriteCompleted(m_job.result);
}

void CloneTransfer::Fail(FailureKind kind) {
    m_state.transferState = TransferState::Idle;
    TransferFailure failure;
    failure.phase = m_job.phase;
    failure.kind = kind;
    failure.tried = m_job.tried;
    failure.searched = m_ports.size() > 1;
    // A failed write names the backup that can put the radio back.
    if (kind == FailureKind::BackupNotSaved || m_job.phase == TransferPhase::Write) failure.backup = m_job.result.before;
    if (failure.tried.empty() && kind != FailureKind::BackupNotSaved && kind != FailureKind::IncompleteRead)
        failure.tried.push_back({m_state.activePort, {}, PortProblem::OpenFailed});
    if (m_job.phase == TransferPhase::Verify) {
        // The write itself went through; only its check did not.
        m_job.result.verify = VerifyOutcome::ReadFailed;
        m_job.result.readFailure = std::move(failure);
        m_listener.WriteCompleted(m_job.result);
        return;
    }
    m_listener.TransferFailed(failure);
}

}  // namespace rk
