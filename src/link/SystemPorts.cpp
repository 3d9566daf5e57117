#include "SystemPorts.h"

#include "QtPortDirectory.h"
#include "QtSerialLink.h"

namespace rk {

// The one place that says which adapter each platform uses.
const PortDirectory& SystemPortDirectory() {
    static const QtPortDirectory directory;
    return directory;
}

std::unique_ptr<SerialPort> MakeSystemPort() { return std::make_unique<QtSerialLink>(SystemPortDirectory()); }

}  // namespace rk
