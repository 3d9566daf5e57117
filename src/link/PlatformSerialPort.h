#pragma once
// The serial port adapter of the platform the program is built for: the
// Win32 calls on Windows, QSerialPort elsewhere.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "WinSerialPort.h"
namespace rk {
using PlatformSerialPort = WinSerialPort;
}
#else
#include "QtSerialLink.h"
namespace rk {
using PlatformSerialPort = QtSerialLink;
}
#endif
