#pragma once
// --port for the radio commands: a COM name or a device path.

#include <QString>
#include <optional>

#include "ModelRules.h"

namespace rk {
class CloneLink;
}

namespace rk::cli {

// Both empty: the model's own choice (COM1, or COM1..COM8 in turn).
struct PortChoice {
    QString comName;     // "COM1".."COM8", or empty
    QString devicePath;  // or a device, such as /dev/ttyUSB0
};

// Nothing, with `error` set, for a value that is neither.
std::optional<PortChoice> ParsePort(const QString& value, QString& error);

// Points the link at the chosen port. No choice leaves the link as it is. A COM name of a model that uses one
// port goes to the link as its menu port. A device path, and the device a
// COM name stands for with a model that tries COM1..COM8, become COM1 and the
// only name that resolves (through RK_COM1, see PortNames.h), so that the
// transfer uses that device and no other. False, with `error` set, when there
// is no such device. `shownName` is what progress calls the port.
bool PointLinkAt(const PortChoice& port, const ModelRules& rules, CloneLink& link, QString& shownName, QString& error);

}  // namespace rk::cli
