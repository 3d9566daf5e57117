#pragma once
// The serial line as the clone transfer sees it: open a named port, send,
// gather a reply in the background, close. Each platform has its adapter in a
// file pair of its own beside this one (QtSerialLink on Linux), built by
// MakeSystemPort (SystemPorts.h); nothing in it waits. No Qt here.

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

    // Opens `name` exclusively at 2400 baud 8N1: "COM1".."COM8" or a device
    // path, resolved through the port's PortDirectory. Only the open itself
    // can fail; the results of the line set-up are not examined. Bytes that
    // arrived before the open are dropped.
    virtual bool OpenPort(const std::string& name) = 0;
    // The last OpenPort: the device it went to, and why it failed (the
    // directory's Resolve problem, or its ClassifyOpenFailure).
    virtual PortAttempt LastOpen() const { return {}; }
    // Takes a copy of `bytes`, starts sending and returns at once; the outcome
    // is never looked at.
    virtual void WritePort(std::span<const std::uint8_t> bytes) = 0;
    // Starts gathering a reply into `buffer` from byte 0 and returns at once.
    // The read ends at 256 bytes, after more than 100 ms of silence following
    // the first byte, 8500 ms after the start, or when the port closes.
    // `buffer` must stay valid until then. Bytes are stored as they arrive,
    // from the event loop of the thread the port lives on.
    virtual void StartRead(ReceiveBuffer& buffer) = 0;
    // Ends any read or write in progress; harmless when nothing is open.
    // Bytes that had reached the machine for the read in progress are stored
    // first (a timer may be handled before the port's own notice of them).
    virtual void ClosePort() = 0;
};

}  // namespace rk
