#include "PortChoice.h"

#include <algorithm>

#include <QFileInfo>
#include <QRegularExpression>

#include "Cli.h"
#include "Commands.h"
#include "SystemPorts.h"

namespace rk::cli {

namespace {

QString DeviceOf(const QString& name) {
    return QString::fromStdString(SystemPortDirectory().Resolve(name.toStdString()).device);
}

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
        const QString device = DeviceOf(port.comName);
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

QStringList SerialDeviceLines() {
    QStringList lines;
    const std::vector<SerialDevice> devices = SystemPortDirectory().Devices();
    for (int n = 1; n <= kPortTableSize; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        const QString device = DeviceOf(name);
        if (device.isEmpty()) continue;
        QString line = QStringLiteral("%1  %2").arg(name, device);
        for (const SerialDevice& present : devices) {
            if (QString::fromStdString(present.path) == device && !present.about.empty())
                line += QStringLiteral("  ") + QString::fromStdString(present.about);
        }
        lines << line;
    }
    // Devices no COM name stands for (beyond the eighth, or all of them
    // while RK_COMn names the ports): --port takes their path.
    for (const SerialDevice& present : devices) {
        const QString device = QString::fromStdString(present.path);
        const bool named = std::any_of(lines.begin(), lines.end(),
                                       [&](const QString& line) { return line.section(QStringLiteral("  "), 1, 1) == device; });
        if (!named) lines << QStringLiteral("-     %1").arg(device);
    }
    return lines;
}

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
