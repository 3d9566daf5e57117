#pragma once
// SerialPort on QSerialPort. Everything runs on the calling thread's event
// loop: replies are gathered from readyRead, the read's end conditions are
// one-shot timers, nothing waits.

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "SerialPort.h"

namespace rk {

class QtSerialLink final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject* parent = nullptr);
    ~QtSerialLink() override;

    bool OpenPort(const std::string& name) override;
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
};

}  // namespace rk
