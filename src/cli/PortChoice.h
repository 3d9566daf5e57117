#pragma once
// --port for the radio commands, and the serial devices there are.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "ModelRules.h"
#include "PortSearch.h"

namespace rk::cli {

// Both empty: the model's own choice (COM1, or COM1..COM8 in turn).
struct PortChoice {
    QString comName;     // "COM1".."COM8", or empty
    QString devicePath;  // or a device, such as /dev/ttyUSB0
};

// Nothing, with `error` set, for a value that is neither.
std::optional<PortChoice> ParsePort(const QString& value, QString& error);

// The ports the transfer tries: the model's own choice when none was made,
// otherwise exactly the one named. Nothing, with `error` set, when the named
// port stands for no device.
std::optional<std::vector<PortCandidate>> CandidatePorts(const PortChoice& port, const ModelRules& rules,
                                                         QString& error);

// One line per serial device present: its path, the COM name the programs
// give it and, for a USB one, its vendor and product where known.
QStringList SerialDeviceLines();

}  // namespace rk::cli
