#pragma once
// The serial port and the port directory of the platform the program runs
// on, chosen in one place (SystemPorts.cpp). A platform's adapter is one file
// pair beside SerialPort.h and one line there. No Qt here.

#include <memory>

#include "PortDirectory.h"
#include "SerialPort.h"

namespace rk {

// The machine's ports, for the programs and rkradio alike; lives as long as
// the process.
const PortDirectory& SystemPortDirectory();

// A new port on this platform, resolving and classifying through
// SystemPortDirectory(). Run it on the thread whose event loop runs the
// transfer.
std::unique_ptr<SerialPort> MakeSystemPort();

}  // namespace rk
