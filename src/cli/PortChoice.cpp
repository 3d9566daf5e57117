#include "PortChoice.h"

#include <algorithm>

#include <QFileInfo>
#include <QRegularExpression>
#ifndef Q_OS_WIN
#include <QSerialPortInfo>
#endif

#include "Cli.h"
#include "Commands.h"
#include "PortNames.h"
#include "WinPortNames.h"

namespace rk::cli {

namespace {

QString DevicesThere();

}  // namespace

namespace {

#ifndef Q_OS_WIN
// The devices present, in the order the COM names are given out.
QStringList PresentDevices() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) devices << info.systemLocation();
    return OrderSerialDevices(devices);
}
#endif

QString DevicesThere() {
    QStringList devices = SerialDeviceLines();
    if (devices.isEmpty()) return QStringLiteral("this machine has no serial device");
    for (QString& line : devices) {
        line = line.simplified();
        if (line.startsWith(QLatin1String("- "))) line = line.mid(2) + QStringLiteral(" (no COM name)");
    }
    return QStringLiteral("the devices there are: %1").arg(devices.join(QStringLiteral("; ")));
}

}  // namespace

std::optional<PortChoice> ParsePort(const QString& value, QString& error) {
    static const QRegularExpression com(QStringLiteral("^COM[1-8]$"), QRegularExpression::CaseInsensitiveOption);
    if (com.match(value).hasMatch()) return PortChoice{value.toUpper(), {}};
    if (value.contains(QLatin1Char('/'))) return PortChoice{{}, value};
    error = QStringLiteral("--port takes COM1..COM8 or a device path, not \"%1\"").arg(value);
    return std::nullopt;
}

std::optional<std::vector<PortCandidate>> CandidatePorts(const PortChoice& port, const ModelRules& rules,
                                                         QString& error) {
    if (port.comName.isEmpty() && port.devicePath.isEmpty()) return ProgramPorts(rules, "COM1");
    if (!port.comName.isEmpty()) {
        const QString device = ResolvePortName(port.comName);
        if (device.isEmpty()) {
            error = QStringLiteral("%1 stands for no serial device; %2").arg(port.comName, DevicesThere());
            return std::nullopt;
        }
        return std::vector<PortCandidate>{{port.comName.toStdString(), device.toStdString()}};
    }
    if (!QFileInfo::exists(port.devicePath)) {
        error = QStringLiteral("%1: no such device; %2").arg(port.devicePath, DevicesThere());
        return std::nullopt;
    }
    return std::vector<PortCandidate>{{port.devicePath.toStdString(), {}}};
}

#ifdef Q_OS_WIN
// Windows names its ports itself: the registry's serial-port map.
QStringList SerialDeviceLines() { return ListComPorts(); }
#else
QStringList SerialDeviceLines() {
    QStringList lines;
    const auto infos = QSerialPortInfo::availablePorts();
    for (int n = 1; n <= kPortTableSize; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        const QString device = ResolvePortName(name);
        if (device.isEmpty()) continue;
        QString line = QStringLiteral("%1  %2").arg(name, device);
        for (const QSerialPortInfo& info : infos) {
            if (info.systemLocation() != device) continue;
            QStringList about;
            if (info.hasVendorIdentifier() && info.hasProductIdentifier())
                about << QStringLiteral("USB %1:%2")
                             .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                             .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
            if (!info.manufacturer().isEmpty()) about << info.manufacturer();
            if (!info.description().isEmpty()) about << info.description();
            if (!about.isEmpty()) line += QStringLiteral("  ") + about.join(QStringLiteral(", "));
        }
        lines << line;
    }
    // Devices no COM name stands for (beyond the eighth, or all of them
    // while RK_COMn names the ports): --port takes their path.
    for (const QString& device : PresentDevices()) {
        const bool named = std::any_of(lines.begin(), lines.end(),
                                       [&](const QString& line) { return line.section(QStringLiteral("  "), 1, 1) == device; });
        if (!named) lines << QStringLiteral("-     %1").arg(device);
    }
    return lines;
}
#endif

int RunPorts(const Arguments&) {
    const QStringList lines = SerialDeviceLines();
    if (lines.isEmpty()) {
        Error(QStringLiteral("ports: no serial device found"));
        return kSuccess;
    }
    for (const QString& line : lines) Print(line);
    return kSuccess;
}

}  // namespace rk::cli
