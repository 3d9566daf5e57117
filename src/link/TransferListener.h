#pragma once
// What the clone transfer reports to the program around it. The transfer
// never shows anything itself and touches no document: it reports values
// (phases, ports and their problems, images, differences) and each front end
// turns them into what its user sees (TransferReport.h puts them into words).
// No Qt here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ImageDiff.h"
#include "RadioImage.h"
#include "SerialPort.h"
#include "WriteValidation.h"

namespace rk {

// The exchanges an operation is made of. A write with both options runs
// Backup, Write, Verify; a plain write only Write; a read only Read.
enum class TransferPhase { Read, Backup, Write, Verify };

// Where a transfer stands. `block` 0 is the handshake, 1..5 the image blocks.
// `done` of `total` counts the protocol's time in half seconds (a handshake
// window is 1, a block 4, an exchange 21); a port search that moves on to the
// next port does not advance it.
struct TransferStep {
    TransferPhase phase = TransferPhase::Read;
    int block = 0;
    std::string port;
    int done = 0;
    int total = 0;
};
inline constexpr int kImageBlocks = 5;

// A copy of an image read from the radio, kept as a backup file.
struct BackupCopy {
    std::string path;   // the file, or the one that could not be written
    std::string error;  // the system's reason when it could not be kept
    bool Saved() const { return !path.empty() && error.empty(); }
    bool Failed() const { return !error.empty(); }
};

struct ReadResult {
    RadioImage image;  // the radio's, for the caller to use
    BackupCopy backup;
};

enum class VerifyOutcome { NotAsked, Matches, Differs, ReadFailed };

// Why an exchange stopped short.
enum class FailureKind {
    OpenFailedHandshake,     // no port could be opened for the handshake
    NoHandshakeReply,        // no port answered the handshake
    OpenFailedBlockRequest,  // the port would not open again for a block request
    OpenFailedWriteBlock,    // the port would not open again for a write block
    IncompleteRead,          // a block's reply was short
    BackupNotSaved,          // the backup before a write could not be kept
};

struct TransferFailure {
    TransferPhase phase = TransferPhase::Read;
    FailureKind kind = FailureKind::OpenFailedHandshake;
    // The ports tried, in order, each with its problem; `searched` when more
    // than one was given to try.
    std::vector<PortAttempt> tried;
    bool searched = false;
    // For BackupNotSaved; for a failure of the write phase, the backup
    // taken before it, if any.
    BackupCopy backup;
};

// A write paused after its backup (WriteOptions::previewFirst): what the
// radio holds, what would be sent, and how they differ field by field.
struct WritePreview {
    BackupCopy before;
    RadioImage radio;
    RadioImage sent;  // derived fields refreshed, as the write sends it
    std::vector<FieldDifference> differences;  // radio before, image after
};

struct WriteResult {
    RadioImage sent;        // the image as it went to the radio
    BackupCopy before;      // the radio's data read before the write
    std::optional<RadioImage> beforeImage;
    VerifyOutcome verify = VerifyOutcome::NotAsked;
    std::vector<FieldDifference> differences;  // sent against read back
    TransferFailure readFailure;               // why the read-back failed
    BackupCopy readBack;
    std::optional<RadioImage> readBackImage;
};

struct WriteRefusal {
    int channel = -1;               // the failing channel; -1: none
    WriteRule rule = WriteRule::None;  // the test it failed
    std::int32_t bandEdge = 0;      // the band's lower edge, 10 Hz counts
};

class TransferListener {
public:
    virtual ~TransferListener() = default;

    // A new step has begun.
    virtual void StepStarted(const TransferStep& /*step*/) {}
    // A read completed.
    virtual void ReadCompleted(const ReadResult& result) = 0;
    // The fifth block has had its time on the line, and the read-back, if
    // asked for, is over.
    virtual void WriteCompleted(const WriteResult& result) = 0;
    // A write asked to pause after its backup is waiting for
    // ProceedWrite or CancelWrite; nothing has been written.
    virtual void WriteAwaiting(const WritePreview& /*preview*/) {}
    // The pre-write check refused the image; nothing was sent.
    virtual void WriteRefused(const WriteRefusal& refusal) = 0;
    // The transfer stopped: the port, the handshake, a reply or a backup
    // failed. A failure before the write phase means nothing was written.
    virtual void TransferFailed(const TransferFailure& failure) = 0;
    // Stop() ended the transfer in this phase.
    virtual void TransferStopped(TransferPhase /*phase*/) {}
};

// Where every image read from the radio is kept.
enum class BackupKind { Read, BeforeWrite, Verify };

class BackupArchive {
public:
    virtual ~BackupArchive() = default;
    virtual BackupCopy Keep(const RadioImage& image, BackupKind kind) = 0;
};

}  // namespace rk
