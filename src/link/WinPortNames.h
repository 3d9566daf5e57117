#pragma once
// Windows port names: which COM names the machine has, and what a failed
// open's error code means. The ordering and the error table are plain
// functions, built on every platform; ListComPorts reads the registry and
// exists on Windows only. QtCore only.

#include <cstdint>

#include <QString>
#include <QStringList>

#include "PortDirectory.h"

namespace rk {

// What CreateFile's refusal of a port says, from GetLastError's code. Windows
// answers a port that another program holds with "access denied" (or a
// sharing violation); a name that leads nowhere, with "file not found" or its
// kin.
OpenError WindowsOpenError(std::uint32_t errorCode);

// The problem a refused open is, given whether the machine lists any port at
// all: a port that is not there on a machine without ports is
// NoSerialDevices.
PortProblem ClassifyWindowsOpenFailure(OpenError error, bool anyPortListed);

// The serial-port map's values as the user should see them: COM names in
// number order (COM2 before COM10), then any other name in text order, each
// once. Empty values are dropped.
QStringList OrderComNames(const QStringList& names);

#ifdef Q_OS_WIN
// The COM names of HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM, ordered.
QStringList ListComPorts();
#endif

}  // namespace rk
