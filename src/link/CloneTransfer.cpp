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

CloneTransfer::CloneTransfer(const ModelRules& rules, RadioDocument& document, SerialPort& port,
                             TransferTimers& timers, TransferListener& listener, WriteCheck check)
    : m_rules(rules), m_document(document), m_port(port), m_timers(timers), m_listener(listener), m_check(check) {}

void CloneTransfer::OnReadRadio() {
    if (!IsIdle()) return;
    m_state.transferState = TransferState::Reading;
    StartPortChoice();
    m_state.readRow = 0;
    RunHandshake();
}

void CloneTransfer::OnWriteRadio() {
    if (!IsIdle()) return;
    m_state.transferState = TransferState::Writing;
    ValidationVerdict verdict;
    m_document.RefreshDerived([&](RadioImage& image) { verdict = m_check(image, m_rules.validation); });
    if (!verdict.passed) {
        m_state.transferState = TransferState::Idle;
        int channel = verdict.failingChannel;
        if (channel >= 0 && channel < kChannelCount)
            m_document.SetCurrentChannel(channel);
        else
            channel = -1;
        m_listener.WriteRefused(channel, verdict.message);
        return;
    }
    m_state.transferBuffer = verdict.transferBytes;
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
            Fail(m_rules.transfer.openFailedHandshake);
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
    Fail(m_rules.transfer.openFailedHandshake);
}

bool CloneTransfer::OpenAndSendHandshake() {
    m_state.handshakeRequest = kHandshakeRequest;
    if (!m_port.OpenPort(m_state.activePort)) return false;
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
        if (IsWriting())
            SendWriteBlock();
        else
            RequestBlock();
        return;
    }
    if (m_rules.searchesPorts && m_state.portIndex < kPortTableSize - 1) {
        ++m_state.portIndex;
        RunHandshake();
        return;
    }
    Fail(m_rules.transfer.noHandshakeReply);
}

void CloneTransfer::RequestBlock() {
    if (!m_port.OpenPort(m_state.activePort)) {
        m_port.ClosePort();
        Fail(m_rules.transfer.openFailedBlockRequest);
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
    m_document.TakeReadImage(m_state.staging);
    m_state.transferState = TransferState::Idle;
    m_listener.ReadCompleted(m_rules.transfer.readDone);
}

void CloneTransfer::SendWriteBlock() {
    if (!m_port.OpenPort(m_state.activePort)) {
        m_port.ClosePort();
        Fail(m_rules.transfer.openFailedWriteBlock);
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
    m_state.transferState = TransferState::Idle;
    m_listener.WriteCompleted(m_rules.transfer.writeDone);
}

void CloneTransfer::Fail(const char* message) {
    m_state.transferState = TransferState::Idle;
    m_listener.TransferFailed(message);
}

void CloneTransfer::ReportStep(int block) {
    m_listener.StepStarted({IsWriting() ? TransferKind::Write : TransferKind::Read, block, m_state.activePort});
}

}  // namespace rk
