#pragma once
// What the clone transfer reports to the program around it. The transfer
// never shows anything itself: each front end turns these reports into what
// its user sees. The document is updated before a report arrives. No Qt here.

#include <string>

namespace rk {

enum class TransferKind { Read, Write };

// Where a transfer stands: `block` 0 is the handshake, 1..5 the image blocks.
struct TransferStep {
    TransferKind kind = TransferKind::Read;
    int block = 0;
    std::string port;
};

class TransferListener {
public:
    virtual ~TransferListener() = default;

    // A new step has begun.
    virtual void StepStarted(const TransferStep& /*step*/) {}
    // A read completed: the document holds the new image, its configured-
    // channel list is rebuilt and channel 0 is current.
    virtual void ReadCompleted(const char* message) = 0;
    // The fifth block has had its time on the line.
    virtual void WriteCompleted(const char* message) = 0;
    // The pre-write check refused the image. `channel` is the failing
    // channel, already the document's current one, or -1; `message` may be
    // null.
    virtual void WriteRefused(int channel, const char* message) = 0;
    // The transfer stopped: the port, the handshake or a reply failed. A read
    // that fails leaves the document as it was.
    virtual void TransferFailed(const char* message) = 0;
};

}  // namespace rk
