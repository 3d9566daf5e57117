#pragma once
// The port directory on Linux: the devices QSerialPortInfo lists, COM names
// mapped as PortNames.h says, open failures told apart by what the file
// system says about the device.

#include "PortDirectory.h"

namespace rk {

// Why an open failed, from the platform's error and the device file. A
// permission failure and a lock look alike to the open: a device that this
// user may read and write is held by someone else.
PortProblem ClassifyOpenError(OpenError error, bool deviceExists, bool accessible);

class QtPortDirectory final : public PortDirectory {
public:
    std::vector<SerialDevice> Devices() const override;
    ResolvedDevice Resolve(const std::string& name) const override;
    PortProblem ClassifyOpenFailure(const std::string& device, OpenError error) const override;
};

}  // namespace rk
