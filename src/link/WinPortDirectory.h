#pragma once
// The port directory on Windows: the COM names of the registry's serial-port
// map; a COM name stands for itself; open failures told apart by the error
// code CreateFile left. Windows only.

#include "PortDirectory.h"

namespace rk {

class WinPortDirectory final : public PortDirectory {
public:
    std::vector<SerialDevice> Devices() const override;
    ResolvedDevice Resolve(const std::string& name) const override;
    PortProblem ClassifyOpenFailure(const std::string& device, OpenError error) const override;
};

}  // namespace rk
