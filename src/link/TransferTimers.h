#pragma once
// The three one-shot timers that pace the clone transfer. No Qt here.

namespace rk {

enum TransferTimerId : int {
    kBlockReplyTimer = 1,  // the window for a block reply is over
    kWriteBlockTimer = 2,  // a write block has had its time on the line
    kHandshakeTimer = 3,   // the window for the handshake reply is over
};

// The protocol's own periods in milliseconds; 0 for an unknown id.
constexpr int ProtocolPeriodMs(int id) {
    switch (id) {
    case kBlockReplyTimer: return 2000;
    case kWriteBlockTimer: return 2000;
    case kHandshakeTimer: return 500;
    default: return 0;
    }
}

class TransferTimers {
public:
    virtual ~TransferTimers() = default;
    // (Re)starts timer `id`; it fires once, through CloneTransfer::OnTimer(id).
    virtual void StartTimer(int id) = 0;
    // Stopping a timer that is not running does nothing.
    virtual void StopTimer(int id) = 0;
};

}  // namespace rk
