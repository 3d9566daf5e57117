#pragma once
// The log of a series of writes, beside the backups:
// "rk520-20261208-101502-series.csv", a header and one row per radio
// attempt, each appended and the file closed as the attempt ends, so that a
// crash loses none. Two series never share a log: a start whose log name is
// taken moves on a second until one is free. QtCore only.

#include <QDateTime>
#include <QString>
#include <string>
#include <vector>

#include "ImageDiff.h"

namespace rk {

struct SeriesRadio;

// "CH03 SquelchLevel; Band; Byte 0x3A": the fields a read-back found
// different, by name only, the same in every language.
std::string DifferenceNames(const std::vector<FieldDifference>& differences);

class SeriesLog {
public:
    explicit SeriesLog(const QString& programName);

    // Takes `wanted` to the second as the series' start, moved on while its
    // log name is taken, and writes the header there. False when the log
    // cannot be written (Error() says why); the start is chosen even then.
    bool Open(const QDateTime& wanted);
    // Adds the attempt's row; false when the log cannot be written.
    bool Append(const SeriesRadio& attempt);

    QDateTime Start() const { return m_start; }
    QString Path() const { return PathFor(m_start); }
    QString Error() const { return m_error; }

private:
    QString PathFor(const QDateTime& start) const;
    bool AppendRecord(const std::vector<std::string>& cells);

    QString m_program;
    QDateTime m_start;
    QString m_error;
};

}  // namespace rk
