#pragma once
// A CloneLink's reports into a TransferRecord, as they are emitted, and the
// periods tests on a pseudo-terminal radio run with.

#include <QObject>

#include "CloneLink.h"
#include "TransferRecord.h"

namespace rk::test {

// A thirteenth of the protocol's 2 s per block and under a third of its
// handshake window. The transfer takes what has arrived when a window ends,
// and the simulator answers at once (unless paced), so each window leaves a
// busy machine over 100 ms to open the port and for the radio's thread to get
// to run. Nothing answers a written block; 150 ms let a watcher see each one.
inline constexpr TransferPeriods kTestPeriods{.blockReplyMs = 150, .writeBlockMs = 150, .handshakeMs = 150};

// The period that ran before step `k` of `record` began: the window of the
// step before it.
inline int PeriodBefore(const TransferRecord& record, std::size_t k, const TransferPeriods& periods = kTestPeriods) {
    const TransferStep& before = record.steps.at(k - 1);
    if (before.block == 0) return periods.handshakeMs;
    return before.phase == TransferPhase::Write ? periods.writeBlockMs : periods.blockReplyMs;
}

inline void ListenTo(CloneLink& link, TransferRecord& record) {
    QObject::connect(&link, &CloneLink::stepStarted, [&record, &link](const TransferStep& s) {
        record.StepStarted(s);
        record.stepMs.back() -= link.StepAgeMs();  // when the step began, not when its port was open
    });
    QObject::connect(&link, &CloneLink::readCompleted, [&record](const ReadResult& r) { record.ReadCompleted(r); });
    QObject::connect(&link, &CloneLink::writeCompleted, [&record](const WriteResult& r) { record.WriteCompleted(r); });
    QObject::connect(&link, &CloneLink::writeRefused, [&record](const WriteRefusal& r) { record.WriteRefused(r); });
    QObject::connect(&link, &CloneLink::failed, [&record](const TransferFailure& f) { record.TransferFailed(f); });
    QObject::connect(&link, &CloneLink::stopped, [&record](TransferPhase p) { record.TransferStopped(p); });
}

}  // namespace rk::test
