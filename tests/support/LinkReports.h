#pragma once
// Records what a CloneLink reports, in the order a program would show it:
// the message texts, reads shown and refused channels.

#include <QList>
#include <QObject>
#include <QStringList>

#include "CloneLink.h"

namespace rk::test {

class LinkReports {
public:
    explicit LinkReports(CloneLink& link) {
        QObject::connect(&link, &CloneLink::readCompleted, [this](const QString& message) {
            ++readShown;
            messages << message;
        });
        QObject::connect(&link, &CloneLink::writeCompleted, [this](const QString& message) { messages << message; });
        QObject::connect(&link, &CloneLink::writeRefused, [this](int channel, const QString& message) {
            if (!message.isEmpty()) messages << message;
            if (channel >= 0) refused << channel;
        });
        QObject::connect(&link, &CloneLink::failed, [this](const QString& message) { messages << message; });
    }

    QStringList messages;
    int readShown = 0;
    QList<int> refused;
};

}  // namespace rk::test
