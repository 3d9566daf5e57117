#pragma once
// SerialPort on QSerialPort, the adapter for Linux. Everything runs on the
// calling thread's event loop: replies are gathered from readyRead, the
// read's end conditions are one-shot timers, nothing waits.

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "PortDirectory.h"
#include "SerialPort.h"

namespace rk {

// QSerialPort's error after a failed open, as the port directory takes it.
OpenError OpenErrorOf(QSerialPort::SerialPortError error);

class QtSerialLink final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialLink(const PortDirectory& directory, QObject* parent = nullptr);
    ~QtSerialLink() override;

    bool OpenPort(const std::string& name) override;
    PortAttempt LastOpen() const override { return m_lastOpen; }
    void WritePort(std::span<const std::uint8_t> bytes) override;
    void StartRead(ReceiveBuffer& buffer) override;
    void ClosePort() override;

    bool IsReading() const { return m_target != nullptr; }

private:
    void TakeArrivedBytes();
    void TakeBytesAtDevice();
    void EndRead();

    const PortDirectory& m_directory;
    QSerialPort m_port;
    QTimer m_gapTimer;    // silence after the first byte
    QTimer m_totalTimer;  // the whole read
    ReceiveBuffer* m_target = nullptr;
    PortAttempt m_lastOpen;
};

}  // namespace rk
