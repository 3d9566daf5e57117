#pragma once
// SerialPort on the Win32 communications calls. The port is opened for
// overlapped I/O; the driver ends a read by itself (256 bytes, 100 ms of
// silence after the first byte, or the total time-out), and the read's
// completion event is watched by the event loop. Nothing waits on the calling
// thread except for the acknowledgement of an operation that a close cancels.
// Windows only; QtCore only.

#include <memory>
#include <vector>

#include <QObject>

#include "PortDirectory.h"
#include "SerialPort.h"

namespace rk {

class WinSerialPort final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit WinSerialPort(const PortDirectory& directory, QObject* parent = nullptr);
    ~WinSerialPort() override;

    bool OpenPort(const std::string& name) override;
    PortAttempt LastOpen() const override { return m_lastOpen; }
    void WritePort(std::span<const std::uint8_t> bytes) override;
    void StartRead(ReceiveBuffer& buffer) override;
    void ClosePort() override;

    bool IsOpen() const;
    bool IsReading() const { return m_target != nullptr; }

private:
    struct Operations;

    void TakeReadResult(bool cancel);
    void FinishWrite(bool cancel);

    const PortDirectory& m_directory;
    std::unique_ptr<Operations> m_io;  // the handle and the overlapped operations
    std::vector<std::uint8_t> m_writeBytes;
    ReceiveBuffer* m_target = nullptr;
    PortAttempt m_lastOpen;
};

}  // namespace rk
