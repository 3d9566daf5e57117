#include "CloneTransfer.h"

#include <algorithm>

#include "TransferReport.h"

namespace rk {
namespace {

constexpr int kSettingsRow = static_cast<int>(kSettingsOffset / kRowSize);  // 64
constexpr int kAllRows = static_cast<int>(kRowCount);                      // 68
constexpr int kWriteDoneRow = kSettingsRow + kBlockRows;                   // 80

// Bytes the reply to the block starting at `row` must carry: a whole block,
// or just the settings block for the last one.
std::size_t NeededReplyBytes(int row) {
    return static_cast<std::size_t>(std::min(kBlockRows, kAllRows - row)) * kRowSize;
}

}  // namespace

CloneTransfer::CloneTransfer(const ModelRules& rules, RadioDocument& document, SerialPort& port,
                             TransferTimers& timers, TransferListener& listener, WriteCheck check,
                             BackupArchive* archive)
    : m_rules(rules),
      m_document(document),
      m_port(port),
      m_timers(timers),
      m_listener(listener),
      m_check(check),
      m_archive(archive) {}

void CloneTransfer::OnReadRadio() {
    if (!IsIdle()) return;
    m_job = TransferJob{};
    StartReadExchange(TransferPhase::Read);
}

void CloneTransfer::ReadRadioImage() {
    if (!IsIdle()) return;
    m_job = TransferJob{};
    m_job.intoDocument = false;
    StartReadExchange(TransferPhase::Read);
}

void CloneTransfer::OnWriteRadio(WriteOptions options) {
    if (!IsIdle()) return;
    m_state.transferState = TransferState::Writing;
    ValidationVerdict verdict;
    m_document.RefreshDerived([&](RadioImage& image) { verdict = m_check(image, m_rules.validation); });
    if (!verdict.passed) {
        m_state.transferState = TransferState::Idle;
        WriteRefusal refusal;
        refusal.message = verdict.message;
        refusal.bandRule = verdict.bandRule;
        refusal.bandEdge = static_cast<std::int32_t>(m_document.Image().Settings().bandLow() * 4);
        if (verdict.failingChannel >= 0 && verdict.failingChannel < kChannelCount) {
            refusal.channel = verdict.failingChannel;
            m_document.SetCurrentChannel(refusal.channel);
        }
        m_listener.WriteRefused(refusal);
        return;
    }
    m_state.transferBuffer = verdict.transferBytes;
    m_job = TransferJob{};
    m_job.options = options;
    m_job.exchanges = 1 + (options.backupFirst ? 1 : 0) + (options.verifyAfter ? 1 : 0);
    if (options.backupFirst)
        StartReadExchange(TransferPhase::Backup);
    else
        StartWriteExchange();
}

void CloneTransfer::Stop() {
    if (IsIdle()) return;
    OnCloseRequest();
    m_state.transferState = TransferState::Idle;
    m_listener.TransferStopped(m_job.phase);
}

void CloneTransfer::StartReadExchange(TransferPhase phase) {
    m_job.phase = phase;
    m_job.tried.clear();
    m_state.transferState = TransferState::Reading;
    StartPortChoice();
    m_state.readRow = 0;
    RunHandshake();
}

void CloneTransfer::StartWriteExchange() {
    m_job.phase = TransferPhase::Write;
    m_job.tried.clear();
    m_state.transferState = TransferState::Writing;
    StartPortChoice();
    m_state.writeRow = 0;
    RunHandshake();
}

void CloneTransfer::StartPortChoice() {
    if (m_rules.searchesPorts)
        m_state.portIndex = 0;
    else
        m_state.activePort = m_menuPort;
}

void CloneTransfer::RunHandshake() {
    if (!m_rules.searchesPorts) {
        if (!OpenAndSendHandshake()) {
            m_port.ClosePort();
            FailPort(m_rules.transfer.openFailedHandshake);
        }
        return;
    }
    // Ports that cannot be opened are skipped at once; one that opens gets
    // its 500 ms to answer before the search moves on (HandshakeWindowOver).
    while (m_state.portIndex < kPortTableSize) {
        m_state.activePort = kPortTable[static_cast<std::size_t>(m_state.portIndex)];
        if (OpenAndSendHandshake()) return;
        ++m_state.portIndex;
    }
    m_port.ClosePort();
    FailSearch(m_rules.transfer.openFailedHandshake);
}

bool CloneTransfer::OpenAndSendHandshake() {
    m_state.handshakeRequest = kHandshakeRequest;
    const bool opened = m_port.OpenPort(m_state.activePort);
    RecordOpen(opened);
    if (!opened) return false;
    ReportStep(0);
    m_port.WritePort(m_state.handshakeRequest);
    std::fill_n(m_state.receiveBuffer.bytes.begin(), 4, std::uint8_t{0});
    m_port.StartRead(m_state.receiveBuffer);
    m_timers.StartTimer(kHandshakeTimer);
    return true;
}

void CloneTransfer::OnTimer(int id) {
    m_port.ClosePort();
    switch (id) {
    case kHandshakeTimer:
        m_timers.StopTimer(kHandshakeTimer);
        if (!IsIdle()) HandshakeWindowOver();
        break;
    case kBlockReplyTimer:
        if (m_state.transferState == TransferState::Reading) {
            m_timers.StopTimer(kBlockReplyTimer);
            BlockReceived();
        }
        break;
    case kWriteBlockTimer:
        if (IsWriting()) {
            m_timers.StopTimer(kWriteBlockTimer);
            WriteBlockDone();
        }
        break;
    default:
        break;
    }
}

void CloneTransfer::OnCloseRequest() {
    m_timers.StopTimer(kBlockReplyTimer);
    m_timers.StopTimer(kWriteBlockTimer);
    m_timers.StopTimer(kHandshakeTimer);
    m_port.ClosePort();
}

void CloneTransfer::HandshakeWindowOver() {
    const auto& reply = m_state.receiveBuffer.bytes;
    if (reply[0] == 0xFF && reply[1] == 0x11) {
        m_job.tried.clear();
        if (IsWriting())
            SendWriteBlock();
        else
            RequestBlock();
        return;
    }
    if (!m_job.tried.empty())
        m_job.tried.back().problem = m_state.receiveBuffer.count > 0 ? PortProblem::WrongReply : PortProblem::NoReply;
    if (m_rules.searchesPorts && m_state.portIndex < kPortTableSize - 1) {
        ++m_state.portIndex;
        RunHandshake();
        return;
    }
    FailSearch(m_rules.transfer.noHandshakeReply);
}

void CloneTransfer::RequestBlock() {
    if (!m_port.OpenPort(m_state.activePort)) {
        RecordOpen(false);
        m_port.ClosePort();
        FailPort(m_rules.transfer.openFailedBlockRequest);
        return;
    }
    ReportStep(m_state.readRow / kBlockRows + 1);
    m_port.WritePort(kBlockRequest);
    m_port.StartRead(m_state.receiveBuffer);
    m_timers.StartTimer(kBlockReplyTimer);
}

void CloneTransfer::BlockReceived() {
    const ReceiveBuffer& reply = m_state.receiveBuffer;
    if (reply.count < NeededReplyBytes(m_state.readRow)) {
        Fail(m_rules.transfer.incompleteRead);
        return;
    }
    const std::uint8_t* source = reply.bytes.data();
    for (int n = 0; n < kBlockRows && m_state.readRow < kAllRows; ++n, ++m_state.readRow) {
        auto row = m_state.staging.Row(static_cast<std::size_t>(m_state.readRow));
        std::copy_n(source, kRowSize, row.begin());
        source += kRowSize;
    }
    if (m_state.readRow < kAllRows)
        RequestBlock();
    else
        FinishRead();
}

void CloneTransfer::FinishRead() {
    switch (m_job.phase) {
    case TransferPhase::Backup: {
        m_job.result.before = KeepBackup(BackupKind::BeforeWrite);
        if (m_job.result.before.Failed()) {
            Fail(Fill(m_rules.transfer.backupNotSaved, {m_job.result.before.path, m_job.result.before.error}));
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
    result.intoDocument = m_job.intoDocument;
    result.backup = KeepBackup(BackupKind::Read);
    if (m_job.intoDocument) m_document.TakeReadImage(m_state.staging);
    m_state.transferState = TransferState::Idle;
    m_listener.ReadCompleted(result);
}

void CloneTransfer::FinishVerify(BackupCopy copy) {
    RadioImage sent;
    std::copy(m_state.transferBuffer.begin(), m_state.transferBuffer.end(), sent.Bytes().begin());
    WriteResult& result = m_job.result;
    result.readBack = std::move(copy);
    result.differences = CompareImages(sent, m_state.staging);
    result.verify = result.differences.empty() ? VerifyOutcome::Matches : VerifyOutcome::Differs;
    m_state.transferState = TransferState::Idle;
    m_listener.WriteCompleted(result);
}

BackupCopy CloneTransfer::KeepBackup(BackupKind kind) {
    return m_archive ? m_archive->Keep(m_state.staging, kind) : BackupCopy{};
}

void CloneTransfer::SendWriteBlock() {
    if (!m_port.OpenPort(m_state.activePort)) {
        RecordOpen(false);
        m_port.ClosePort();
        FailPort(m_rules.transfer.openFailedWriteBlock);
        return;
    }
    // The last block carries the 64-byte settings block and then zeros.
    std::array<std::uint8_t, kBlockSize> block{};
    const std::size_t start = static_cast<std::size_t>(m_state.writeRow) * kRowSize;
    const std::size_t length = std::min(kBlockSize, kImageSize - start);
    std::copy_n(m_state.transferBuffer.begin() + static_cast<std::ptrdiff_t>(start), length, block.begin());
    ReportStep(m_state.writeRow / kBlockRows + 1);
    m_port.WritePort(block);
    m_timers.StartTimer(kWriteBlockTimer);
}

void CloneTransfer::WriteBlockDone() {
    m_state.writeRow += kBlockRows;
    if (m_state.writeRow < kWriteDoneRow) {
        SendWriteBlock();
        return;
    }
    if (m_job.options.verifyAfter) {
        ++m_job.exchange;
        StartReadExchange(TransferPhase::Verify);
        return;
    }
    m_state.transferState = TransferState::Idle;
    m_listener.WriteCompleted(m_job.result);
}

void CloneTransfer::Fail(std::string message) {
    m_state.transferState = TransferState::Idle;
    switch (m_job.phase) {
    case TransferPhase::Verify:
        // The write itself went through; only its check did not.
        m_job.result.verify = VerifyOutcome::ReadFailed;
        m_job.result.readFailure = std::move(message);
        m_listener.WriteCompleted(m_job.result);
        return;
    case TransferPhase::Backup:
        message += '\n';
        message += m_rules.transfer.nothingWritten;
        break;
    case TransferPhase::Read:
    case TransferPhase::Write: break;
    }
    m_listener.TransferFailed({m_job.phase, std::move(message)});
}

void CloneTransfer::FailPort(const char* message) {
    const PortAttempt attempt = m_job.tried.empty() ? PortAttempt{m_state.activePort, {}, PortProblem::OpenFailed}
                                                    : m_job.tried.back();
    Fail(std::string(message) + '\n' + ExplainPort(m_rules.transfer, attempt));
}

// A model that searches lists every port it tried; one that does not names
// its own.
void CloneTransfer::FailSearch(const char* message) {
    if (!m_rules.searchesPorts) {
        FailPort(message);
        return;
    }
    Fail(std::string(message) + '\n' + ExplainSearch(m_rules.transfer, m_job.tried));
}

void CloneTransfer::RecordOpen(bool opened) {
    PortAttempt attempt = m_port.LastOpen();
    attempt.name = m_state.activePort;
    if (opened)
        attempt.problem = PortProblem::None;
    else if (attempt.problem == PortProblem::None)
        attempt.problem = PortProblem::OpenFailed;
    // A port tried again (the block steps) replaces its own entry.
    if (!m_job.tried.empty() && m_job.tried.back().name == attempt.name) m_job.tried.pop_back();
    m_job.tried.push_back(std::move(attempt));
}

void CloneTransfer::ReportStep(int block) {
    constexpr int kHandshakeUnits = 1;
    constexpr int kBlockUnits = 4;
    constexpr int kExchangeUnits = kHandshakeUnits + kImageBlocks * kBlockUnits;
    TransferStep step;
    step.phase = m_job.phase;
    step.block = block;
    step.port = m_state.activePort;
    step.done = m_job.exchange * kExchangeUnits + (block == 0 ? 0 : kHandshakeUnits + (block - 1) * kBlockUnits);
    step.total = m_job.exchanges * kExchangeUnits;
    m_listener.StepStarted(step);
}

}  // namespace rk
