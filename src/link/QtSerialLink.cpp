#include "QtSerialLink.h"

#include <algorithm>

#include <QFileInfo>

#include "PortNames.h"

namespace rk {
namespace {

constexpr qint32 kBaudRate = 2400;
constexpr qint64 kDriverBufferSize = 1024;
constexpr int kByteGapMs = 100;
// 25 ms per requested byte plus 2100 ms.
constexpr int kReadTotalMs = 25 * static_cast<int>(kReceiveBufferSize) + 2100;

}  // namespace

PortProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, bool deviceExists, bool accessible) {
    if (!deviceExists || error == QSerialPort::DeviceNotFoundError) return PortProblem::Absent;
    switch (error) {
    case QSerialPort::PermissionError: return accessible ? PortProblem::InUse : PortProblem::PermissionDenied;
    case QSerialPort::OpenError: return PortProblem::InUse;  // already open here
    default: return accessible ? PortProblem::OpenFailed : PortProblem::PermissionDenied;
    }
}

QtSerialLink::QtSerialLink(QObject* parent) : QObject(parent) {
    m_gapTimer.setSingleShot(true);
    m_gapTimer.setTimerType(Qt::PreciseTimer);
    m_gapTimer.setInterval(kByteGapMs);
    m_totalTimer.setSingleShot(true);
    m_totalTimer.setTimerType(Qt::PreciseTimer);
    m_totalTimer.setInterval(kReadTotalMs);
    connect(&m_gapTimer, &QTimer::timeout, this, &QtSerialLink::EndRead);
    connect(&m_totalTimer, &QTimer::timeout, this, &QtSerialLink::EndRead);
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialLink::TakeArrivedBytes);
    // A device that vanishes ends the read; the close at the next step
    // releases it.
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError) EndRead();
    });
}

QtSerialLink::~QtSerialLink() { ClosePort(); }

bool QtSerialLink::OpenPort(const std::string& name) {
    ClosePort();
    const ResolvedPort resolved = ResolvePort(QString::fromStdString(name));
    const QString& device = resolved.device;
    m_lastOpen = {name, device.toStdString(), PortProblem::None};
    if (device.isEmpty()) {
        m_lastOpen.problem = resolved.noSerialDevices ? PortProblem::NoSerialDevices : PortProblem::Unassigned;
        return false;
    }
    m_port.setPortName(device);
    // Set before the open so that they are applied with it. Flow control and
    // the modem lines are not touched. Whether a setting took is not
    // examined: a port that opens counts as ready.
    m_port.setBaudRate(kBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setReadBufferSize(kDriverBufferSize);
    if (!m_port.open(QIODevice::ReadWrite)) {
#ifdef Q_OS_WIN
        // Port names are not files here; a port in use reports no access.
        const bool exists = true;
        const bool accessible = true;
#else
        const QFileInfo file(device);
        const bool exists = file.exists();
        const bool accessible = file.isReadable() && file.isWritable();
#endif
        m_lastOpen.problem = ClassifyOpenFailure(m_port.error(), exists, accessible);
        return false;
    }
    // Bytes left over from an earlier step (the tail of a long reply) are not
    // part of this step's reply.
    m_port.clear(QSerialPort::Input);
    return true;
}

void QtSerialLink::WritePort(std::span<const std::uint8_t> bytes) {
    if (!m_port.isOpen()) return;
    m_port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void QtSerialLink::StartRead(ReceiveBuffer& buffer) {
    EndRead();
    if (!m_port.isOpen()) return;
    m_target = &buffer;
    m_target->count = 0;
    m_totalTimer.start();
    TakeArrivedBytes();
}

// Bytes already at the port count for the read in progress: on a busy
// machine the timer that ends a step may be handled before the port's own
// notice of them.
void QtSerialLink::ClosePort() {
    if (m_target && m_port.isOpen()) m_port.waitForReadyRead(0);
    EndRead();
    if (m_port.isOpen()) m_port.close();
}

void QtSerialLink::TakeArrivedBytes() {
    if (!m_target) return;
    const std::size_t room = m_target->bytes.size() - m_target->count;
    const qint64 got = m_port.read(reinterpret_cast<char*>(m_target->bytes.data() + m_target->count),
                                   static_cast<qint64>(room));
    if (got <= 0) return;
    m_target->count += static_cast<std::size_t>(got);
    if (m_target->count >= m_target->bytes.size())
        EndRead();
    else
        m_gapTimer.start();
}

void QtSerialLink::EndRead() {
    m_target = nullptr;
    m_gapTimer.stop();
    m_totalTimer.stop();
}

}  // namespace rk
