#pragma once
// How "COM1".."COM8" find a device on Linux (QtPortDirectory). RK_COMn names the device when set; once any RK_COMn is set, only
// the names with their own variable resolve. Otherwise COMn is the n-th serial
// device present: USB adapters (ttyUSB*, ttyACM*) first, then built-in ports
// that really exist, each group in name order.

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

namespace rk {

// Value of RK_COMn, or nothing when that variable is not set.
using PortVariableLookup = std::function<std::optional<QString>(int n)>;

// USB adapters first, then the rest, each group in natural name order
// (ttyUSB2 before ttyUSB10).
QStringList OrderSerialDevices(const QStringList& devicePaths);

// The device for `name`, or an empty string when there is none.
// `orderedDevices` as OrderSerialDevices returns them.
QString MapPortName(const QString& name, const PortVariableLookup& variable, const QStringList& orderedDevices);

// A name other than COM1..COM8 is a device path and stands for itself.
// MapPortName with this process's environment and the serial devices
// present, and whether the machine has no serial device at all (which
// is why the name stands for none).
struct ResolvedPort {
    QString device;
    bool noSerialDevices = false;
};
ResolvedPort ResolvePort(const QString& name);

}  // namespace rk
