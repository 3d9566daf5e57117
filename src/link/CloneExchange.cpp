// The exchange: the handshake on each port in turn, then the five blocks,
// one step per timer event, as a read's requests and replies or a write's
// blocks. What the exchange was for is the operation's (CloneTransfer.cpp).

#include "CloneTransfer.h"

#include <algorithm>

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

// Ports that cannot be opened are skipped at once; one that opens gets its
// 500 ms to answer before the next is tried (HandshakeWindowOver).
void CloneTransfer::RunHandshake() {
    while (static_cast<std::size_t>(m_state.portIndex) < m_ports.size()) {
        m_state.activePort = m_ports[static_cast<std::size_t>(m_state.portIndex)].name;
        if (OpenAndSendHandshake()) return;
        ++m_state.portIndex;
    }
    m_port.ClosePort();
    Fail(FailureKind::OpenFailedHandshake);
}

const std::string& CloneTransfer::ActiveTarget() const {
    return m_ports[static_cast<std::size_t>(m_state.portIndex)].Target();
}

bool CloneTransfer::OpenAndSendHandshake() {
    m_state.handshakeRequest = kHandshakeRequest;
    const bool opened = m_port.OpenPort(ActiveTarget());
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
    if (static_cast<std::size_t>(m_state.portIndex) + 1 < m_ports.size()) {
        ++m_state.portIndex;
        RunHandshake();
        return;
    }
    Fail(FailureKind::NoHandshakeReply);
}

void CloneTransfer::RequestBlock() {
    if (!m_port.OpenPort(ActiveTarget())) {
        RecordOpen(false);
        m_port.ClosePort();
        Fail(FailureKind::OpenFailedBlockRequest);
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
        Fail(FailureKind::IncompleteRead);
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

void CloneTransfer::SendWriteBlock() {
    if (!m_port.OpenPort(ActiveTarget())) {
        RecordOpen(false);
        m_port.ClosePort();
        Fail(FailureKind::OpenFailedWriteBlock);
        return;
    }
    // The last block carries the 64-byte settings block and then zeros.
    std::array<std::uint8_t, kBlockSize> block{};
    const std::size_t start = static_cast<std::size_t>(m_state.writeRow) * kRowSize;
    const std::size_t length = std::min(kBlockSize, kImageSize - start);
    std::copy_n(m_state.transferBuffer.begin() + static_cast<std::ptrdiff_t>(start), length, block.begin());
    ReportStep(m_state.writeRow / kBlockRows + 1);
    m_port.WritePort(block);
    ++m_job.blocksSent;
    m_timers.StartTimer(kWriteBlockTimer);
}

void CloneTransfer::WriteBlockDone() {
    m_state.writeRow += kBlockRows;
    if (m_job.stopAfterBlock) {
        Stop();
        return;
    }
    if (m_state.writeRow < kWriteDoneRow) {
        SendWriteBlock();
        return;
    }
    WriteExchangeDone();
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
