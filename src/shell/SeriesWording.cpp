#include "SeriesWording.h"

#include <QStringList>

#include "ModelProfile.h"
#include "Texts.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"
#include "WriteSeries.h"

namespace rk {
namespace {

// A row stays a few lines high: the first differences, then their count.
constexpr std::size_t kRowDifferences = 3;

QString Utf(const std::string& text) { return QString::fromStdString(text); }

void AddLine(QString& text, const QString& line) {
    if (line.isEmpty()) return;
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += line;
}

}  // namespace

QString SeriesResultText(const ModelProfile& profile, const TranslatedTexts& texts, const SeriesRadio& attempt) {
    const SeriesTexts& series = profile.series;
    const TransferTexts& transfer = texts.Transfer();
    const TransferOutcome& outcome = attempt.outcome;
    switch (attempt.result) {
    case SeriesResult::Verified: return Tr(series.verified);
    case SeriesResult::Written: return Tr(series.written);
    case SeriesResult::Differs: {
        QStringList lines;
        for (const std::string& line : DifferenceLines(texts.Report(), outcome.write.differences, kRowDifferences))
            lines << Utf(line);
        return Tr(series.differs).arg(lines.join(QLatin1Char('\n')));
    }
    case SeriesResult::PartlyWritten:
    case SeriesResult::PortProblem:
    case SeriesResult::Silent:
    case SeriesResult::Stopped:
    case SeriesResult::NotWritten: break;
    }
    // A radio stopped by the user says so, with how much of it was written.
    if (outcome.end == TransferEnd::Stopped) {
        if (outcome.declined) return QString::fromUtf8(transfer.nothingWritten);
        QString text = Tr(series.stopped);
        AddLine(text, Utf(PartlyWrittenLine(transfer, outcome)));
        return text;
    }
    // A failure and its cause, as a single write words them; of a search,
    // the names that stand for a device.
    TransferFailure failure = outcome.failure;
    std::vector<PortAttempt> devices;
    for (const PortAttempt& port : failure.tried)
        if (port.problem != PortProblem::Unassigned) devices.push_back(port);
    if (!devices.empty() && devices.size() < failure.tried.size()) {
        failure.tried = devices;
        failure.searched = devices.size() > 1;
    }
    QString text = Utf(DescribeFailure(transfer, failure));
    AddLine(text, Utf(PartlyWrittenLine(transfer, outcome)));
    return text;
}

bool SeriesRadioDone(const SeriesRadio& attempt) {
    return attempt.result == SeriesResult::Verified ||
           (attempt.result == SeriesResult::Written && !attempt.outcome.options.verifyAfter);
}

}  // namespace rk
