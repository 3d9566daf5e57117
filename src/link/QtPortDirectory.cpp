#include "QtPortDirectory.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include "PortNames.h"

namespace rk {
namespace {

std::string About(const QSerialPortInfo& info) {
    QStringList about;
    if (info.hasVendorIdentifier() && info.hasProductIdentifier())
        about << QStringLiteral("USB %1:%2")
                     .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                     .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    if (!info.manufacturer().isEmpty()) about << info.manufacturer();
    if (!info.description().isEmpty()) about << info.description();
    return about.join(QStringLiteral(", ")).toStdString();
}

}  // namespace

PortProblem ClassifyOpenError(OpenError error, bool deviceExists, bool accessible) {
    if (!deviceExists || error == OpenError::NotFound) return PortProblem::Absent;
    switch (error) {
    case OpenError::AccessDenied: return accessible ? PortProblem::InUse : PortProblem::PermissionDenied;
    case OpenError::AlreadyOpen: return PortProblem::InUse;
    default: return accessible ? PortProblem::OpenFailed : PortProblem::PermissionDenied;
    }
}

std::vector<SerialDevice> QtPortDirectory::Devices() const {
    const auto infos = QSerialPortInfo::availablePorts();
    QStringList paths;
    for (const QSerialPortInfo& info : infos) paths << info.systemLocation();
    std::vector<SerialDevice> devices;
    for (const QString& path : OrderSerialDevices(paths)) {
        SerialDevice device{path.toStdString(), {}};
        for (const QSerialPortInfo& info : infos) {
            if (info.systemLocation() == path) device.about = About(info);
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

ResolvedDevice QtPortDirectory::Resolve(const std::string& name) const {
    const ResolvedPort resolved = ResolvePort(QString::fromStdString(name));
    if (!resolved.device.isEmpty()) return {resolved.device.toStdString(), PortProblem::None};
    return {{}, resolved.noSerialDevices ? PortProblem::NoSerialDevices : PortProblem::Unassigned};
}

PortProblem QtPortDirectory::ClassifyOpenFailure(const std::string& device, OpenError error) const {
    const QFileInfo file(QString::fromStdString(device));
    return ClassifyOpenError(error, file.exists(), file.isReadable() && file.isWritable());
}

}  // namespace rk
