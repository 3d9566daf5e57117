#include "PortNames.h"

#include <algorithm>

#include <QFileInfo>
#include <QSerialPortInfo>

namespace rk {
namespace {

constexpr int kFirstCom = 1;
constexpr int kLastCom = 8;

// 1..8 for "COM1".."COM8", otherwise 0.
int ComNumber(const QString& name) {
    if (name.size() != 4 || !name.startsWith(QLatin1String("COM"))) return 0;
    const int n = name.at(3).digitValue();
    return n >= kFirstCom && n <= kLastCom ? n : 0;
}

bool IsUsbAdapter(const QString& path) {
    const QString base = QFileInfo(path).fileName();
    return base.startsWith(QLatin1String("ttyUSB")) || base.startsWith(QLatin1String("ttyACM"));
}

// Compares text and digit runs separately, digit runs by value.
bool NaturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype iEnd = i;
            qsizetype jEnd = j;
            while (iEnd < a.size() && a.at(iEnd).isDigit()) ++iEnd;
            while (jEnd < b.size() && b.at(jEnd).isDigit()) ++jEnd;
            QString da = a.mid(i, iEnd - i);
            QString db = b.mid(j, jEnd - j);
            while (da.size() > 1 && da.startsWith(QLatin1Char('0'))) da.remove(0, 1);
            while (db.size() > 1 && db.startsWith(QLatin1Char('0'))) db.remove(0, 1);
            if (da.size() != db.size()) return da.size() < db.size();
            if (da != db) return da < db;
            i = iEnd;
            j = jEnd;
            continue;
        }
        if (a.at(i) != b.at(j)) return a.at(i) < b.at(j);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

}  // namespace

QStringList OrderSerialDevices(const QStringList& devicePaths) {
    QStringList usb;
    QStringList builtIn;
    for (const QString& path : devicePaths) (IsUsbAdapter(path) ? usb : builtIn).append(path);
    std::sort(usb.begin(), usb.end(), NaturalLess);
    std::sort(builtIn.begin(), builtIn.end(), NaturalLess);
    usb.removeDuplicates();
    builtIn.removeDuplicates();
    return usb + builtIn;
}

QString MapPortName(const QString& name, const PortVariableLookup& variable, const QStringList& orderedDevices) {
    const int n = ComNumber(name);
    if (n == 0) return {};
    if (const auto own = variable(n)) return *own;
    for (int other = kFirstCom; other <= kLastCom; ++other) {
        if (variable(other)) return {};
    }
    return n <= orderedDevices.size() ? orderedDevices.at(n - 1) : QString();
}

ResolvedPort ResolvePort(const QString& name) {
    const PortVariableLookup environment = [](int n) -> std::optional<QString> {
        const QByteArray key = "RK_COM" + QByteArray::number(n);
        if (!qEnvironmentVariableIsSet(key.constData())) return std::nullopt;
        return qEnvironmentVariable(key.constData());
    };
    // Any other name is a device path and stands for itself.
    if (ComNumber(name) == 0) return {name, false};
    // Only look at the hardware when no variable decides the answer.
    for (int n = kFirstCom; n <= kLastCom; ++n) {
        if (environment(n)) return {MapPortName(name, environment, {}), false};
    }
    QStringList devices;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) devices.append(info.systemLocation());
    return {MapPortName(name, environment, OrderSerialDevices(devices)), devices.isEmpty()};
}

}  // namespace rk
