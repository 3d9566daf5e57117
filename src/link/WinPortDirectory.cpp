#include "WinPortDirectory.h"

#include "WinPortNames.h"

namespace rk {
namespace {

bool IsTableName(const std::string& name) {
    return name.size() == 4 && name.compare(0, 3, "COM") == 0 && name[3] >= '1' && name[3] <= '8';
}

}  // namespace

std::vector<SerialDevice> WinPortDirectory::Devices() const {
    std::vector<SerialDevice> devices;
    for (const QString& name : ListComPorts()) devices.push_back({name.toStdString(), {}});
    return devices;
}

// Windows names the ports itself: "COM3" is opened as it is when the
// serial-port map has it. Any other name stands for itself.
ResolvedDevice WinPortDirectory::Resolve(const std::string& name) const {
    if (!IsTableName(name)) return {name, PortProblem::None};
    const QStringList listed = ListComPorts();
    if (listed.isEmpty()) return {{}, PortProblem::NoSerialDevices};
    if (!listed.contains(QString::fromStdString(name), Qt::CaseInsensitive)) return {{}, PortProblem::Unassigned};
    return {name, PortProblem::None};
}

PortProblem WinPortDirectory::ClassifyOpenFailure(const std::string&, OpenError error) const {
    return ClassifyWindowsOpenFailure(error, !ListComPorts().isEmpty());
}

}  // namespace rk
