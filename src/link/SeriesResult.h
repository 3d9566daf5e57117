#pragma once
// How one radio of a series of writes ended, as the one word the programs,
// rkradio and the series log all use, so that a spreadsheet can filter the
// log by it. No Qt here.

#include <optional>
#include <string>

#include "TransferOutcome.h"

namespace rk {

enum class SeriesResult {
    Verified,       // written and read back the same
    Written,        // written whole, not read back (asked not to, or the read-back failed)
    Differs,        // written, but read back with other data
    PartlyWritten,  // some of the blocks reached the radio
    PortProblem,    // a port would not open
    Silent,         // the radio did not answer, or answered short
    Stopped,        // the user stopped it
    NotWritten,     // nothing was sent: the backup could not be kept, or the preview was declined
};

// "verified", "written", "differs", "partly-written", "port-problem",
// "silent", "stopped", "not-written".
const char* SeriesResultWord(SeriesResult result);
std::optional<SeriesResult> ParseSeriesResult(const std::string& word);

// The word for a write's outcome.
SeriesResult SeriesResultOf(const TransferOutcome& outcome);

}  // namespace rk
