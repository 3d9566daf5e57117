#include "SeriesResult.h"

#include <array>
#include <utility>

namespace rk {
namespace {

constexpr std::array<std::pair<SeriesResult, const char*>, 8> kWords = {{
    {SeriesResult::Verified, "verified"},
    {SeriesResult::Written, "written"},
    {SeriesResult::Differs, "differs"},
    {SeriesResult::PartlyWritten, "partly-written"},
    {SeriesResult::PortProblem, "port-problem"},
    {SeriesResult::Silent, "silent"},
    {SeriesResult::Stopped, "stopped"},
    {SeriesResult::NotWritten, "not-written"},
}};

// A write that reached its end: the read-back decides.
SeriesResult DoneResult(VerifyOutcome verify) {
    switch (verify) {
    case VerifyOutcome::Matches: return SeriesResult::Verified;
    case VerifyOutcome::Differs: return SeriesResult::Differs;
    // The radio holds the whole new image; nobody has seen it there.
    case VerifyOutcome::NotAsked:
    case VerifyOutcome::ReadFailed: return SeriesResult::Written;
    }
    return SeriesResult::Written;
}

// A search that met a radio on one of its ports and heard nothing there
// ends on the open failures of the names after it; that radio is silent.
bool AnyPortHeardNothing(const TransferOutcome& outcome) {
    for (const PortAttempt& attempt : outcome.failure.tried)
        if (attempt.problem == PortProblem::NoReply || attempt.problem == PortProblem::WrongReply) return true;
    return false;
}

}  // namespace

const char* SeriesResultWord(SeriesResult result) {
    for (const auto& [value, word] : kWords)
        if (value == result) return word;
    return "not-written";
}

std::optional<SeriesResult> ParseSeriesResult(const std::string& word) {
    for (const auto& [value, known] : kWords)
        if (word == known) return value;
    return std::nullopt;
}

// What the radio holds outweighs how the write ended: a radio cut short is
// partly written whatever cut it, and one that holds the whole image is
// written even if the port or the user ended the operation after it.
SeriesResult SeriesResultOf(const TransferOutcome& outcome) {
    switch (outcome.end) {
    case TransferEnd::Done: return DoneResult(outcome.write.verify);
    case TransferEnd::Refused:
    case TransferEnd::BackupNotSaved: return SeriesResult::NotWritten;
    case TransferEnd::PortProblem:
    case TransferEnd::RadioProblem:
    case TransferEnd::Stopped: break;
    }
    if (outcome.radio == RadioHolds::PartlyWritten) return SeriesResult::PartlyWritten;
    if (outcome.radio == RadioHolds::NewData) return SeriesResult::Written;
    switch (outcome.end) {
    case TransferEnd::PortProblem: return AnyPortHeardNothing(outcome) ? SeriesResult::Silent : SeriesResult::PortProblem;
    case TransferEnd::RadioProblem: return SeriesResult::Silent;
    default: return outcome.declined ? SeriesResult::NotWritten : SeriesResult::Stopped;
    }
}

}  // namespace rk
