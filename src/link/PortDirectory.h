#pragma once
// Which serial devices the machine has, which device a port name stands for,
// and why a device would not open. Each platform has its own (QtPortDirectory
// on Linux); the programs and rkradio ask the one SystemPortDirectory() gives,
// and the platform's SerialPort resolves and classifies through it. No Qt here.

#include <string>
#include <vector>

#include "SerialPort.h"

namespace rk {

// One device present: its path ("/dev/ttyUSB0", "COM3") and, where known, what
// it is ("USB 0403:6001, FTDI, FT232R USB UART"; empty when nothing is known).
struct SerialDevice {
    std::string path;
    std::string about;
};

// The device a port name stands for. `device` is empty when it stands for
// none; `problem` then says why (NoSerialDevices or Unassigned).
struct ResolvedDevice {
    std::string device;
    PortProblem problem = PortProblem::None;
};

// What the platform's open call said, before the directory looks at the
// device itself.
enum class OpenError {
    NotFound,      // no such device
    AccessDenied,  // refused: no permission, or (Windows) held by another program
    AlreadyOpen,   // this process holds it already
    Other,
};

class PortDirectory {
public:
    virtual ~PortDirectory() = default;

    // The devices present, in the order the names COM1..COM8 are given out
    // (devices past the eighth follow).
    virtual std::vector<SerialDevice> Devices() const = 0;
    // The device "COM1".."COM8" stands for right now; any other name is a
    // device path and stands for itself.
    virtual ResolvedDevice Resolve(const std::string& name) const = 0;
    // Why the open of `device` failed: Absent, PermissionDenied, InUse or
    // OpenFailed.
    virtual PortProblem ClassifyOpenFailure(const std::string& device, OpenError error) const = 0;
};

}  // namespace rk
