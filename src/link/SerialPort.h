#pragma once
// The serial line as the clone transfer sees it: open a named port, send,
// gather a reply in the background, close. No Qt here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace rk {

inline constexpr std::size_t kReceiveBufferSize = 256;

// Where a reply lands. `count` says how many bytes of the current read have
// arrived; bytes past it are whatever earlier reads left behind.
struct ReceiveBuffer {
    std::array<std::uint8_t, kReceiveBufferSize> bytes{};
    std::size_t count = 0;
};

// Why a port name could not be used. The first six come from the open; the
// last two are what a handshake can still go wrong with.
enum class PortProblem {
    None,
    NoSerialDevices,   // the machine has no serial device at all
    Unassigned,        // the name stands for no device
    Absent,            // the device it stands for is not there
    PermissionDenied,
    InUse,             // another program holds it
    OpenFailed,        // any other reason
    NoReply,
    WrongReply,
};

// One port name as tried: the device behind it (empty when none) and what
// went wrong with it.
struct PortAttempt {
    std::string name;
    std::string device;
    PortProblem problem = PortProblem::None;
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens "COM1".."COM8" exclusively at 2400 baud 8N1. Only the open itself
    // can fail; the results of the line set-up are not examined.
    virtual bool OpenPort(const std::string& name) = 0;
    // The last OpenPort: the device it went to, and why it failed.
    virtual PortAttempt LastOpen() const { return {}; }
    // Takes a copy of `bytes`, starts sending and returns at once; the outcome
    // is never looked at.
    virtual void WritePort(std::span<const std::uint8_t> bytes) = 0;
    // Starts gathering a reply into `buffer` from byte 0 and returns at once.
    // The read ends at 256 bytes, after more than 100 ms of silence following
    // the first byte, 8500 ms after the start, or when the port closes.
    // `buffer` must stay valid until then.
    virtual void StartRead(ReceiveBuffer& buffer) = 0;
    // Ends any read or write in progress; harmless when nothing is open.
    virtual void ClosePort() = 0;
};

}  // namespace rk
