#pragma once
// The radios a series of writes meets, as the simulator plays them, the
// image every one of them gets, and the rows of the series' log.

#include <QFile>
#include <QString>
#include <vector>

#include "Csv.h"
#include "RadioSimulator.h"
#include "TestImages.h"

namespace rk::test {

// The image the series writes: the sample with one squelch level other.
inline RadioImage SeriesImage() {
    RadioImage image = SampleImage();
    image.Channel(9).setSquelchLevel(3);
    return image;
}

inline RadioSimulator::Behaviour SilentRadio() {
    RadioSimulator::Behaviour behaviour;
    behaviour.handshakeReply.clear();
    return behaviour;
}

// Keeps channel 08's first byte, its receive frequency, wrongly.
inline constexpr int kWronglyStoredByte = 7 * 16;
inline RadioSimulator::Behaviour StoresWrongly() {
    RadioSimulator::Behaviour behaviour;
    behaviour.storeWrongAt = kWronglyStoredByte;
    return behaviour;
}

// The log's records, its header first; none when it cannot be read.
inline std::vector<csv::Record> LogRecords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return csv::Parse(file.readAll().toStdString()).records;
}

}  // namespace rk::test
