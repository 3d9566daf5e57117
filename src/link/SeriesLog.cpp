#include "SeriesLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "BackupStore.h"
#include "Csv.h"
#include "WriteSeries.h"

namespace rk {
namespace {

const std::vector<std::string> kHeader = {"Radio", "Start", "End", "Port", "Result",
                                          "BlocksWritten", "FieldsChanged", "Backup", "Differences"};

// A day's worth of seconds: far more series than anyone starts at once.
constexpr int kStartTries = 86400;

const char* FieldName(DiffField field) {
    switch (field) {
    case DiffField::RxFrequency: return "RxFrequency";
    case DiffField::TxFrequency: return "TxFrequency";
    case DiffField::RxCode: return "RxCode";
    case DiffField::TxCode: return "TxCode";
    case DiffField::SquelchLevel: return "SquelchLevel";
    case DiffField::RepeaterDelay: return "RepeaterDelay";
    case DiffField::Power: return "Power";
    case DiffField::TxInhibit: return "TxInhibit";
    case DiffField::BeatShift: return "BeatShift";
    case DiffField::Talkaround: return "Talkaround";
    case DiffField::Repeater: return "Repeater";
    case DiffField::Reverse: return "Reverse";
    case DiffField::Scrambler: return "Scrambler";
    case DiffField::Band: return "Band";
    case DiffField::TotLimit: return "TotLimit";
    case DiffField::ScanGroupA: return "ScanGroupA";
    case DiffField::ScanGroupB: return "ScanGroupB";
    case DiffField::LastUsedChannel: return "LastUsedChannel";
    case DiffField::ChannelBitmap: return "ChannelBitmap";
    case DiffField::Byte: break;
    }
    return "Byte";
}

std::string DifferenceName(const FieldDifference& d) {
    if (d.field == DiffField::Byte) {
        const QString offset = QString::number(d.offset, 16).toUpper();
        return "Byte 0x" + offset.toStdString();
    }
    if (d.channel >= 0) return "CH" + ChannelNumberText(d.channel) + " " + FieldName(d.field);
    return FieldName(d.field);
}

std::string TimeCell(const QDateTime& time) { return time.toString(Qt::ISODate).toStdString(); }

QDateTime ToTheSecond(const QDateTime& time) {
    QDateTime whole = time;
    whole.setTime(QTime(time.time().hour(), time.time().minute(), time.time().second()));
    return whole;
}

}  // namespace

std::string DifferenceNames(const std::vector<FieldDifference>& differences) {
    std::string names;
    for (const FieldDifference& d : differences) {
        if (!names.empty()) names += "; ";
        names += DifferenceName(d);
    }
    return names;
}

SeriesLog::SeriesLog(const QString& programName) : m_program(programName) {}

QString SeriesLog::PathFor(const QDateTime& start) const {
    return BackupStore::FolderFor(m_program) + QLatin1Char('/') + m_program + QLatin1Char('-') +
           start.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QStringLiteral("-series.csv");
}

bool SeriesLog::Open(const QDateTime& wanted) {
    m_start = ToTheSecond(wanted);
    m_error.clear();
    // A folder that cannot be made shows in the open below, with its reason.
    QDir().mkpath(BackupStore::FolderFor(m_program));
    for (int tries = 0; tries < kStartTries; ++tries, m_start = m_start.addSecs(1)) {
        QFile file(Path());
        if (file.exists()) continue;
        // NewOnly: a log that another series made since the look is never taken over.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists()) continue;
            m_error = file.errorString();
            return false;
        }
        file.close();
        return AppendRecord(kHeader);
    }
    m_error = QStringLiteral("every name is taken");
    return false;
}

bool SeriesLog::Append(const SeriesRadio& attempt) {
    const bool differs = attempt.result == SeriesResult::Differs;
    return AppendRecord({std::to_string(attempt.radio), TimeCell(attempt.start), TimeCell(attempt.end), attempt.port,
                         SeriesResultWord(attempt.result), std::to_string(attempt.blocksWritten),
                         attempt.fieldsChanged ? std::to_string(*attempt.fieldsChanged) : std::string(),
                         attempt.backup, differs ? DifferenceNames(attempt.outcome.write.differences) : std::string()});
}

// Opened and closed for each record, so that what is written is on disk.
bool SeriesLog::AppendRecord(const std::vector<std::string>& cells) {
    QFile file(Path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_error = file.errorString();
        return false;
    }
    std::string text = file.size() == 0 && cells != kHeader ? csv::FormatRecord(kHeader) : std::string();
    text += csv::FormatRecord(cells);
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.flush()) {
        m_error = file.errorString();
        return false;
    }
    file.close();
    return true;
}

}  // namespace rk
