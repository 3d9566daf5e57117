#pragma once
// Records what a CloneLink reports, in the order a program would show it:
// the message texts (worded as the programs word them), reads shown, refused
// channels and the results themselves.

#include <QList>
#include <QObject>
#include <QStringList>

#include "CloneLink.h"
#include "TransferReport.h"

namespace rk::test {

class LinkReports {
public:
    LinkReports(CloneLink& link, const ModelRules& rules) {
        const TransferTexts& texts = rules.transfer;
        QObject::connect(&link, &CloneLink::readCompleted, [this, &texts](const ReadResult& result) {
            if (result.intoDocument) ++readShown;
            reads << result;
            messages << QString::fromStdString(DescribeRead(texts, result));
        });
        QObject::connect(&link, &CloneLink::writeCompleted, [this, &texts](const WriteResult& result) {
            writes << result;
            messages << QString::fromStdString(DescribeWrite(texts, ReportTexts{}, result));
        });
        QObject::connect(&link, &CloneLink::writeRefused, [this](const WriteRefusal& refusal) {
            refusals << refusal;
            if (refusal.message) messages << QString::fromUtf8(refusal.message);
            if (refusal.channel >= 0) refused << refusal.channel;
        });
        QObject::connect(&link, &CloneLink::failed, [this](const TransferFailure& failure) {
            messages << QString::fromStdString(failure.message);
        });
        QObject::connect(&link, &CloneLink::stopped, [this](TransferPhase phase) { stops << phase; });
        QObject::connect(&link, &CloneLink::stepStarted, [this](const TransferStep& step) { steps << step; });
    }

    // Everything up to the first line break of each message.
    QStringList FirstLines() const {
        QStringList lines;
        for (const QString& m : messages) lines << m.section(QLatin1Char('\n'), 0, 0);
        return lines;
    }
    bool Done() const { return !messages.isEmpty() || !stops.isEmpty(); }

    QStringList messages;
    int readShown = 0;
    QList<int> refused;
    QList<WriteRefusal> refusals;
    QList<ReadResult> reads;
    QList<WriteResult> writes;
    QList<TransferPhase> stops;
    QList<TransferStep> steps;
};

}  // namespace rk::test
