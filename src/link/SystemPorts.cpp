#include "SystemPorts.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "WinPortDirectory.h"
#include "WinSerialPort.h"
#else
#include "QtPortDirectory.h"
#include "QtSerialLink.h"
#endif

namespace rk {

#ifdef Q_OS_WIN
using SystemDirectory = WinPortDirectory;
using SystemSerialPort = WinSerialPort;
#else
using SystemDirectory = QtPortDirectory;
using SystemSerialPort = QtSerialLink;
#endif

// The one place that says which adapter each platform uses.
const PortDirectory& SystemPortDirectory() {
    static const SystemDirectory directory;
    return directory;
}

std::unique_ptr<SerialPort> MakeSystemPort() { return std::make_unique<SystemSerialPort>(SystemPortDirectory()); }

}  // namespace rk
