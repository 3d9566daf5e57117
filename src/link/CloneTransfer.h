#pragma once
// The clone transfer: copies the 1088-byte image from the radio into the
// document ("read") or from the document to the radio ("write"). A handshake,
// then five blocks, one step per timer event; no step blocks. No Qt here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ModelRules.h"
#include "RadioDocument.h"
#include "RadioImage.h"
#include "SerialPort.h"
#include "TransferListener.h"
#include "TransferTimers.h"
#include "WriteValidation.h"

namespace rk {

enum class TransferState : std::uint8_t { Idle = 0x00, Reading = 0x80, Writing = 0xFF };

inline constexpr std::size_t kBlockSize = 256;
inline constexpr int kBlockRows = 16;
inline constexpr int kPortTableSize = 8;
inline constexpr std::array<std::uint8_t, 4> kHandshakeRequest{0xFF, 0x11, 0x22, 0x33};
inline constexpr std::array<std::uint8_t, 4> kBlockRequest{0xFF, 0x00, 0xFF, 0x00};

// The ports a searching model tries, in order.
inline constexpr std::array<const char*, kPortTableSize> kPortTable{"COM1", "COM2", "COM3", "COM4",
                                                                    "COM5", "COM6", "COM7", "COM8"};

// One program-wide set; not part of the document.
struct CloneState {
    TransferState transferState = TransferState::Idle;
    std::array<std::uint8_t, kImageSize> transferBuffer{};  // the image as a write sends it
    std::array<std::uint8_t, 4> handshakeRequest{};
    ReceiveBuffer receiveBuffer;
    int readRow = 0;   // next image row a read stores; 68 when all are in
    int writeRow = 0;  // row the next write block starts at; 80 when done
    std::string activePort;
    int portIndex = 0;  // searching model: entry of kPortTable in use
    // A read gathers its rows here; the document changes only when all 68
    // rows have arrived, so a failed read leaves it as it was.
    RadioImage staging;
};

// The pre-write check; the program passes ValidateForWrite.
using WriteCheck = ValidationVerdict (*)(RadioImage& image, const ValidationRules& rules);

class CloneTransfer {
public:
    CloneTransfer(const ModelRules& rules, RadioDocument& document, SerialPort& port, TransferTimers& timers,
                  TransferListener& listener, WriteCheck check);
    CloneTransfer(const CloneTransfer&) = delete;
    CloneTransfer& operator=(const CloneTransfer&) = delete;

    // The two commands; ignored while a transfer runs.
    void OnReadRadio();
    void OnWriteRadio();
    // Timer `id` (see TransferTimerId) has fired.
    void OnTimer(int id);
    // The window is closing: stop the timers and let go of the port. The
    // state stays as it is, so call this only once the close is certain.
    void OnCloseRequest();

    // The port chosen in the menu, for a model that does not search. It is
    // the program's choice for this run: New and Open keep it.
    void SetMenuPort(const std::string& name) { m_menuPort = name; }
    const std::string& MenuPort() const { return m_menuPort; }

    bool IsIdle() const { return m_state.transferState == TransferState::Idle; }
    bool IsWriting() const { return m_state.transferState == TransferState::Writing; }
    const CloneState& State() const { return m_state; }

private:
    // The first model takes the port chosen in the menu; the second searches
    // the port table from its first entry.
    void StartPortChoice();
    void RunHandshake();
    bool OpenAndSendHandshake();
    void HandshakeWindowOver();
    void RequestBlock();
    void BlockReceived();
    void FinishRead();
    void SendWriteBlock();
    void WriteBlockDone();
    void Fail(const char* message);
    void ReportStep(int block);

    const ModelRules& m_rules;
    RadioDocument& m_document;
    SerialPort& m_port;
    TransferTimers& m_timers;
    TransferListener& m_listener;
    std::string m_menuPort = "COM1";
    WriteCheck m_check;
    CloneState m_state;
};

}  // namespace rk
