#pragma once
// The clone transfer: copies the 1088-byte image from the radio into the
// document ("read") or from the document to the radio ("write"). A handshake,
// then five blocks, one step per timer event; no step blocks. A write may read
// the radio first (a backup) and after (the check); each of those is the same
// exchange as a read, run straight after the step before. No Qt here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// What a write does besides writing.
struct WriteOptions {
    bool backupFirst = false;  // read the radio and keep its data before writing
    bool verifyAfter = false;  // read the radio back and compare with what was sent
};

// The operation in progress, made of one to three exchanges.
struct TransferJob {
    TransferPhase phase = TransferPhase::Read;
    bool intoDocument = true;  // a read's image goes into the document
    WriteOptions options;
    int exchanges = 1;
    int exchange = 0;          // the one running, from 0
    WriteResult result;
    std::vector<PortAttempt> tried;  // the ports this exchange has tried
};

// The pre-write check; the program passes ValidateForWrite.
using WriteCheck = ValidationVerdict (*)(RadioImage& image, const ValidationRules& rules);

class CloneTransfer {
public:
    // `archive` keeps every image completely read from the radio; without
    // one nothing is kept.
    CloneTransfer(const ModelRules& rules, RadioDocument& document, SerialPort& port, TransferTimers& timers,
                  TransferListener& listener, WriteCheck check, BackupArchive* archive = nullptr);
    CloneTransfer(const CloneTransfer&) = delete;
    CloneTransfer& operator=(const CloneTransfer&) = delete;

    // The commands; each is ignored while a transfer runs.
    void OnReadRadio();
    // Reads the radio without touching the document: the image comes with
    // the ReadCompleted report.
    void ReadRadioImage();
    // Writes the document's image once the pre-write check has passed. With
    // no options this is the plain write, step for step.
    void OnWriteRadio(WriteOptions options = {});
    // Ends the transfer in progress at once: the timers stop, the port
    // closes, TransferStopped follows. A read leaves the document as it was;
    // a write leaves the radio with the blocks sent so far.
    void Stop();
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
    // Blocks of a write are going out: stopping now leaves the radio partly
    // written.
    bool IsWriting() const { return m_state.transferState == TransferState::Writing; }
    const CloneState& State() const { return m_state; }
    const TransferJob& Job() const { return m_job; }

private:
    // The first model takes the port chosen in the menu; the second searches
    // the port table from its first entry.
    void StartPortChoice();
    void StartReadExchange(TransferPhase phase);
    void StartWriteExchange();
    void RunHandshake();
    bool OpenAndSendHandshake();
    void HandshakeWindowOver();
    void RequestBlock();
    void BlockReceived();
    void FinishRead();
    void SendWriteBlock();
    void WriteBlockDone();
    void FinishVerify(BackupCopy copy);
    BackupCopy KeepBackup(BackupKind kind);
    void Fail(std::string message);
    void FailPort(const char* message);
    void FailSearch(const char* message);
    void RecordOpen(bool opened);
    void ReportStep(int block);

    const ModelRules& m_rules;
    RadioDocument& m_document;
    SerialPort& m_port;
    TransferTimers& m_timers;
    TransferListener& m_listener;
    std::string m_menuPort = "COM1";
    WriteCheck m_check;
    BackupArchive* m_archive;
    CloneState m_state;
    TransferJob m_job;
};

}  // namespace rk
