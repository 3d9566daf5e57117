#include "QtSerialLink.h"

#include <unistd.h>

#include <algorithm>

namespace rk {
namespace {

constexpr qint32 kBaudRate = 2400;
constexpr qint64 kDriverBufferSize = 1024;
constexpr int kByteGapMs = 100;
// 25 ms per requested byte plus 2100 ms.
constexpr int kReadTotalMs = 25 * static_cast<int>(kReceiveBufferSize) + 2100;

}  // namespace

OpenError OpenErrorOf(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return OpenError::NotFound;
    case QSerialPort::PermissionError: return OpenError::AccessDenied;
    case QSerialPort::OpenError: return OpenError::AlreadyOpen;
    default: return OpenError::Other;
    }
}

QtSerialLink::QtSerialLink(const PortDirectory& directory, QObject* parent) : QObject(parent), m_directory(directory) {
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
    const ResolvedDevice resolved = m_directory.Resolve(name);
    m_lastOpen = {name, resolved.device, resolved.problem};
    if (resolved.device.empty()) return false;
    m_port.setPortName(QString::fromStdString(resolved.device));
    // Set before the open so that they are applied with it. Flow control and
    // the modem lines are not touched. Whether a setting took is not
    // examined: a port that opens counts as ready.
    m_port.setBaudRate(kBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setReadBufferSize(kDriverBufferSize);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastOpen.problem = m_directory.ClassifyOpenFailure(resolved.device, OpenErrorOf(m_port.error()));
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
    if (m_target && m_port.isOpen()) TakeBytesAtDevice();
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

// What QSerialPort has not fetched yet, straight from the device, which it
// opened non-blocking: a read that finds nothing returns at once.
void QtSerialLink::TakeBytesAtDevice() {
    TakeArrivedBytes();
    const int fd = static_cast<int>(m_port.handle());
    while (m_target && fd >= 0) {
        const std::size_t room = m_target->bytes.size() - m_target->count;
        const ssize_t got = ::read(fd, m_target->bytes.data() + m_target->count, room);
        if (got <= 0) return;
        m_target->count += static_cast<std::size_t>(got);
        if (m_target->count >= m_target->bytes.size()) EndRead();
    }
}

void QtSerialLink::EndRead() {
    m_target = nullptr;
    m_gapTimer.stop();
    m_totalTimer.stop();
}

}  // namespace rk
