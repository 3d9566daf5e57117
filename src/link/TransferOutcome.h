#pragma once
// How one operation on the radio ended, as one value: what was asked, how it
// ended, how much of a write reached the radio and so what the radio holds
// now, the backup from before a write, the images read and the differences.
// TransferSession hands it out; the front ends put it into words. A series
// of writes keeps one per radio. No Qt here.

#include <optional>
#include <vector>

#include "CloneTransfer.h"
#include "ImageDiff.h"
#include "TransferListener.h"

namespace rk {

enum class TransferAsk { Read, Write, Verify };

enum class TransferEnd {
    Done,            // as asked (a write's read-back may still have found trouble)
    Refused,         // the pre-write check refused the image; nothing was sent
    PortProblem,     // a port would not open: `failure` names it and why
    RadioProblem,    // the radio did not answer, or answered wrong or short
    BackupNotSaved,  // the backup before the write could not be kept
    Stopped,         // the user stopped it (or cancelled at the preview)
};

enum class RadioHolds { OldData, NewData, PartlyWritten };

struct TransferOutcome {
    TransferAsk asked = TransferAsk::Read;
    WriteOptions options;  // a write's
    TransferEnd end = TransferEnd::Done;
    TransferPhase phase = TransferPhase::Read;  // the exchange it ended in
    int block = 0;  // the step on the line then: 0 the handshake, 1..5 a block
    // Port, radio and backup problems: which ports were tried and why each
    // failed, the step's kind.
    TransferFailure failure;
    WriteRefusal refusal;
    // Write blocks that had their whole time on the line, of kImageBlocks.
    int blocksWritten = 0;
    RadioHolds radio = RadioHolds::OldData;
    // Stopped at the pause for the preview, before anything was under way:
    // the write was declined rather than cut short.
    bool declined = false;
    BackupCopy before;  // the radio's data from before a write, once kept
    ReadResult read;    // a read's or a verify's image and its copy
    WriteResult write;  // a write's: what was sent, the read-back and its differences
    // A verify: the image as a write would send it against the radio's.
    std::vector<FieldDifference> differences;

    bool Written() const { return radio != RadioHolds::OldData; }
};

}  // namespace rk
