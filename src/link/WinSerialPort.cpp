#include "WinSerialPort.h"

#include <windows.h>

#include <algorithm>

#include <QWinEventNotifier>

#include "WinPortNames.h"

namespace rk {
namespace {

constexpr DWORD kBaudRate = 2400;
constexpr DWORD kDriverBufferSize = 1024;
constexpr DWORD kByteGapMs = 100;
constexpr DWORD kPerByteMs = 25;
constexpr DWORD kTotalExtraMs = 2100;

// "COM1" as the device namespace spells it; a name given that way stays.
std::string DevicePath(const std::string& name) {
    static const std::string prefix = "\\\\.\\";
    return name.rfind(prefix, 0) == 0 ? name : prefix + name;
}

// The line set-up after an open. Its results are not examined: a port that
// opens counts as ready. Only the four line settings change; flow control and
// the modem lines stay as the port had them.
void SetUpLine(HANDLE port) {
    SetupComm(port, kDriverBufferSize, kDriverBufferSize);
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kByteGapMs;
    timeouts.ReadTotalTimeoutMultiplier = kPerByteMs;
    timeouts.ReadTotalTimeoutConstant = kTotalExtraMs;
    timeouts.WriteTotalTimeoutMultiplier = kPerByteMs;
    timeouts.WriteTotalTimeoutConstant = kTotalExtraMs;
    SetCommTimeouts(port, &timeouts);
    DCB line{};
    line.DCBlength = sizeof line;
    GetCommState(port, &line);
    line.BaudRate = kBaudRate;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    SetCommState(port, &line);
    // Bytes left over from an earlier step (the tail of a long reply) are not
    // part of this step's reply.
    PurgeComm(port, PURGE_RXCLEAR);
}

}  // namespace

// One read and one write may be in progress at a time, each with its own
// manual-reset completion event.
struct WinSerialPort::Operations {
    HANDLE port = INVALID_HANDLE_VALUE;
    OVERLAPPED read{};
    OVERLAPPED write{};
    bool readPending = false;
    bool writePending = false;
    std::unique_ptr<QWinEventNotifier> readDone;

    Operations() {
        read.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        write.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~Operations() {
        CloseHandle(read.hEvent);
        CloseHandle(write.hEvent);
    }
    Operations(const Operations&) = delete;
    Operations& operator=(const Operations&) = delete;

    // Fresh for the next operation; the event stays.
    static void Reset(OVERLAPPED& operation) {
        const HANDLE event = operation.hEvent;
        operation = OVERLAPPED{};
        operation.hEvent = event;
        ResetEvent(event);
    }

    // The bytes an operation moved. A pending one is cancelled first when
    // `cancel` is set, and otherwise left running (returns false).
    bool Result(OVERLAPPED& operation, bool cancel, DWORD& moved) {
        moved = 0;
        if (GetOverlappedResult(port, &operation, &moved, FALSE)) return true;
        if (GetLastError() != ERROR_IO_INCOMPLETE) return true;  // failed: `moved` says how far
        if (!cancel) return false;
        CancelIoEx(port, &operation);
        // The cancelled operation still reports the bytes it had moved.
        GetOverlappedResult(port, &operation, &moved, TRUE);
        return true;
    }
};

WinSerialPort::WinSerialPort(const PortDirectory& directory, QObject* parent)
    : QObject(parent), m_directory(directory), m_io(std::make_unique<Operations>()) {
    m_io->readDone = std::make_unique<QWinEventNotifier>(m_io->read.hEvent);
    m_io->readDone->setEnabled(false);
    connect(m_io->readDone.get(), &QWinEventNotifier::activated, this, [this] { TakeReadResult(false); });
}

WinSerialPort::~WinSerialPort() { ClosePort(); }

bool WinSerialPort::IsOpen() const { return m_io->port != INVALID_HANDLE_VALUE; }

bool WinSerialPort::OpenPort(const std::string& name) {
    ClosePort();
    const ResolvedDevice resolved = m_directory.Resolve(name);
    m_lastOpen = {name, resolved.device, resolved.problem};
    if (resolved.device.empty()) return false;
    const HANDLE port = CreateFileA(DevicePath(resolved.device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_lastOpen.problem = m_directory.ClassifyOpenFailure(resolved.device, WindowsOpenError(error));
        return false;
    }
    m_io->port = port;
    SetUpLine(port);
    return true;
}

void WinSerialPort::WritePort(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) return;
    FinishWrite(true);
    m_writeBytes.assign(bytes.begin(), bytes.end());
    Operations::Reset(m_io->write);
    // Whether or when the bytes went out is not examined.
    if (!WriteFile(m_io->port, m_writeBytes.data(), static_cast<DWORD>(m_writeBytes.size()), nullptr,
                   &m_io->write))
        m_io->writePending = GetLastError() == ERROR_IO_PENDING;
    else
        m_io->writePending = false;
}

void WinSerialPort::StartRead(ReceiveBuffer& buffer) {
    if (m_target) TakeReadResult(true);
    if (!IsOpen()) return;
    m_target = &buffer;
    m_target->count = 0;
    Operations::Reset(m_io->read);
    const BOOL done = ReadFile(m_io->port, m_target->bytes.data(), static_cast<DWORD>(m_target->bytes.size()),
                               nullptr, &m_io->read);
    if (!done && GetLastError() != ERROR_IO_PENDING) {
        m_target = nullptr;  // the read never started
        return;
    }
    m_io->readPending = true;
    if (done)
        TakeReadResult(false);
    else
        m_io->readDone->setEnabled(true);
}

// Called for the completion event, and by a close, which ends a read still
// running: bytes that completed before the close count for the read even when
// the event loop has not yet seen the event.
void WinSerialPort::TakeReadResult(bool cancel) {
    if (!m_target || !m_io->readPending) return;
    DWORD moved = 0;
    if (!m_io->Result(m_io->read, cancel, moved)) return;
    m_io->readPending = false;
    m_io->readDone->setEnabled(false);
    m_target->count = std::min<std::size_t>(moved, m_target->bytes.size());
    m_target = nullptr;
}

void WinSerialPort::FinishWrite(bool cancel) {
    if (!m_io->writePending) return;
    DWORD moved = 0;
    if (m_io->Result(m_io->write, cancel, moved)) m_io->writePending = false;
}

void WinSerialPort::ClosePort() {
    TakeReadResult(true);
    m_target = nullptr;
    FinishWrite(true);
    if (!IsOpen()) return;
    CloseHandle(m_io->port);
    m_io->port = INVALID_HANDLE_VALUE;
}

}  // namespace rk
