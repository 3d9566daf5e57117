#pragma once
// The clone transfer: copies the 1088-byte image from the radio to the caller
// ("read") or from the caller's image to the radio ("write"). A handshake,
// then five blocks, one step per timer event; no step blocks. A write may read
// the radio first (a backup) and after (the check); each of those is the same
// exchange as a read, run straight after the step before. No Qt here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ModelRules.h"
#include "PortSearch.h"
#include "RadioImage.h"
#include "SerialPort.h"
#include "TransferListener.h"
#include "TransferTimers.h"
#include "WriteValidation.h"

namespace rk {

enum class TransferState : std::uint8_t { Idle = 0x00, Reading = 0x80, Writing = 0xFF };

inline constexpr std::size_t kBlockSize = 256;
inline constexpr int kBlockRows = 16;
inline constexpr std::array<std::uint8_t, 4> kHandshakeRequest{0xFF, 0x11, 0x22, 0x33};
inline constexpr std::array<std::uint8_t, 4> kBlockRequest{0xFF, 0x00, 0xFF, 0x00};

// One program-wide set; not part of the document.
struct CloneState {
    TransferState transferState = TransferState::Idle;
    std::array<std::uint8_t, kImageSize> transferBuffer{};  // the image as a write sends it
    std::array<std::uint8_t, 4> handshakeRequest{};
    ReceiveBuffer receiveBuffer;
    int readRow = 0;   // next image row a read stores; 68 when all are in
    int writeRow = 0;  // row the next write block starts at; 80 when done
    std::string activePort;  // the name shown for the port in use
    int portIndex = 0;       // entry of the port list in use
    // A read gathers its rows here; it is handed out only when all 68 rows
    // have arrived.
    RadioImage staging;
};

// What a write does besides writing.
struct WriteOptions {
    bool backupFirst = false;  // read the radio and keep its data before writing
    bool verifyAfter = false;  // read the radio back and compare with what was sent
    // With backupFirst: once the backup is kept, wait for ProceedWrite or
    // CancelWrite, with nothing on the line, so the caller can show what the
    // write would change.
    bool previewFirst = false;
};

// The operation in progress, made of one to three exchanges.
struct TransferJob {
    TransferPhase phase = TransferPhase::Read;
    WriteOptions options;
    int exchanges = 1;
    int exchange = 0;          // the one running, from 0
    bool awaiting = false;     // paused between the backup and the write
    WriteResult result;  // `before` holds the backup once it is kept
    std::vector<PortAttempt> tried;  // the ports this exchange has tried
    int blocksSent = 0;          // write blocks put on the line so far
    bool stopAfterBlock = false;  // StopAfterBlock() was asked
};

// The pre-write check; the program passes ValidateForWrite.
using WriteCheck = ValidationVerdict (*)(RadioImage& image, const ValidationRules& rules);

class CloneTransfer {
public:
    // `archive` keeps every image completely read from the radio; without
    // one nothing is kept.
    CloneTransfer(const ModelRules& rules, SerialPort& port, TransferTimers& timers, TransferListener& listener,
                  WriteCheck check, BackupArchive* archive = nullptr);
    CloneTransfer(const CloneTransfer&) = delete;
    CloneTransfer& operator=(const CloneTransfer&) = delete;

    // The ports the next operations try, in order; a failure names only
    // these.
    void SetPorts(std::vector<PortCandidate> ports) { m_ports = std::move(ports); }
    const std::vector<PortCandidate>& Ports() const { return m_ports; }

    // The commands; each is ignored while a transfer runs.
    // Reads the radio: the image comes with the ReadCompleted report.
    void OnReadRadio();
    // Writes `image` with its derived fields refreshed, once the pre-write
    // check has passed. With no options this is the plain write, step for
    // step.
    void OnWriteRadio(const RadioImage& image, WriteOptions options = {});
    // Ends the transfer in progress at once: the timers stop, the port
    // closes, TransferStopped follows. A write leaves the radio with the
    // blocks sent so far.
    // During a pause, also ends it as CancelWrite does.
    void Stop();
    // Like Stop(), but a write block already on the line is first given its
    // time, so that the radio never holds half a block.
    void StopAfterBlock();
    // After WriteAwaiting: the write exchange starts afresh with its
    // handshake, or the operation ends with TransferStopped and nothing
    // written. Ignored unless the transfer is paused.
    void ProceedWrite();
    void CancelWrite();
    // Timer `id` (see TransferTimerId) has fired.
    void OnTimer(int id);
    // The window is closing: stop the timers and let go of the port. The
    // state stays as it is, so call this only once the close is certain.
    void OnCloseRequest();

    bool IsIdle() const { return m_state.transferState == TransferState::Idle && !m_job.awaiting; }
    // Paused after the backup, waiting for ProceedWrite or CancelWrite.
    bool IsAwaiting() const { return m_job.awaiting; }
    // Blocks of a write are going out: stopping now leaves the radio partly
    // written.
    bool IsWriting() const { return m_state.transferState == TransferState::Writing; }
    const CloneState& State() const { return m_state; }
    // The operation in progress, or the last one once it has ended.
    const TransferJob& Job() const { return m_job; }

private:
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
    void WriteExchangeDone();
    void FinishVerify(BackupCopy copy);
    BackupCopy KeepBackup(BackupKind kind);
    void Fail(FailureKind kind);
    void RecordOpen(bool opened);
    const std::string& ActiveTarget() const;
    void ReportStep(int block);

    const ModelRules& m_rules;
    SerialPort& m_port;
    TransferTimers& m_timers;
    TransferListener& m_listener;
    std::vector<PortCandidate> m_ports{{"COM1", {}}};
    WriteCheck m_check;
    BackupArchive* m_archive;
    CloneState m_state;
    TransferJob m_job;
};

}  // namespace rk
