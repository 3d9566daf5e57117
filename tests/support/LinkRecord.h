#pragma once
// A CloneLink's reports into a TransferRecord, as they are emitted.

#include <QObject>

#include "CloneLink.h"
#include "TransferRecord.h"

namespace rk::test {

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
