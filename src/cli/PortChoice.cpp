#include "PortChoice.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "CloneLink.h"
#include "PortNames.h"

namespace rk::cli {

namespace {

constexpr int kComNames = 8;

void PinDevice(const QString& device, CloneLink& link) {
    qputenv("RK_COM1", device.toLocal8Bit());
    for (int n = 2; n <= kComNames; ++n) qunsetenv(("RK_COM" + QByteArray::number(n)).constData());
    link.SetMenuPort(QStringLiteral("COM1"));
}

}  // namespace

std::optional<PortChoice> ParsePort(const QString& value, QString& error) {
    static const QRegularExpression com(QStringLiteral("^COM[1-8]$"), QRegularExpression::CaseInsensitiveOption);
    if (com.match(value).hasMatch()) return PortChoice{value.toUpper(), {}};
    if (value.contains(QLatin1Char('/'))) return PortChoice{{}, value};
    error = QStringLiteral("--port takes COM1..COM8 or a device path, not \"%1\"").arg(value);
    return std::nullopt;
}

bool PointLinkAt(const PortChoice& port, const ModelRules& rules, CloneLink& link, QString& shownName, QString& error) {
    shownName.clear();
    if (port.comName.isEmpty() && port.devicePath.isEmpty()) return true;
    QString device = port.devicePath;
    if (device.isEmpty() && !rules.searchesPorts) {
        link.SetMenuPort(port.comName);
        shownName = port.comName;
        return true;
    }
    if (device.isEmpty()) {
        device = ResolvePortName(port.comName);
        if (device.isEmpty()) {
            error = QStringLiteral("%1: no serial device has this name").arg(port.comName);
            return false;
        }
    }
    if (!QFileInfo::exists(device)) {
        error = QStringLiteral("%1: no such device").arg(device);
        return false;
    }
    PinDevice(device, link);
    shownName = device;
    return true;
}

}  // namespace rk::cli
