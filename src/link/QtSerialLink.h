#pragma once
// SerialPort on QSerialPort. Everything runs on the calling thread's event
// loop: replies are gathered from readyRead, the read's end conditions are
// one-shot timers, nothing waits.

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "SerialPort.h"

namespace rk {

// Why an open of `device` failed, from QSerialPort's error and what the file
// system says about the device. Permission and lock failures look alike to
// QSerialPort: a device that this user may read and write is held by someone
// else.
PortProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, bool deviceExists, bool accessible);

class QtSerialLink final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject* parent = nullptr);
    ~QtSerialLink() override;

    bool OpenPort(const std::string& name) override;
    PortAttempt LastOpen() const override { return m_lastOpen; }
    void WritePort(std::span<const std::uint8_t> bytes) override;
    void StartRead(ReceiveBuffer& buffer) override;
    void ClosePort() override;

    bool IsReading() const { return m_target != nullptr; }

private:
    void TakeArrivedBytes();
    void EndRead();

    QSerialPort m_port;
    QTimer m_gapTimer;    // silence after the first byte
    QTimer m_totalTimer;  // the whole read
    ReceiveBuffer* m_target = nullptr;
    PortAttempt m_lastOpen;
};

}  // namespace rk
