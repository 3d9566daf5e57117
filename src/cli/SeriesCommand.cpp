// write --series: one image to radio after radio. Each radio is written as
// write writes one; between radios the user connects the next and presses
// Enter. Each radio's result is one line on stdout, and every attempt is a
// row of the series' log beside the backups.

#include <QDir>
#include <QTimer>
#include <map>

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "InputLines.h"
#include "RadioExchange.h"
#include "RuleTexts.h"
#include "TransferReport.h"
#include "WriteSeries.h"

namespace rk::cli {

namespace {

// A radio left so on the port or by the radio: the series exits 4.
bool FailedOnTheLine(const SeriesRadio& attempt, bool readBackAsked) {
    switch (attempt.result) {
    case SeriesResult::Verified:
    case SeriesResult::Differs: return false;
    case SeriesResult::Written: return readBackAsked;
    default: return true;
    }
}

// The failure's lines as one: "check the cable ... settings. COM1: the radio
// does not answer. ..."; a line that ends no sentence is followed by "; ".
QString OneLine(const std::string& text) {
    QString line;
    for (const QString& part : QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.isEmpty()) line += line.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral("; ");
        line += part;
    }
    return InsideLine(line);
}

class SeriesRun {
public:
    SeriesRun(RadioExchange& exchange, const RadioImage& image, WriteOptions options)
        : m_exchange(exchange),
          m_image(image),
          m_options(options),
          m_series(exchange.Session(), QString::fromUtf8(exchange.Rules().programName)) {
        TransferSession& session = exchange.Session();
        QObject::connect(&session, &TransferSession::writeAwaiting, &m_series, [this, &session](const WritePreview& p) {
            m_exchange.SayChanges(p);
            QTimer::singleShot(0, &session, [&session] { session.Proceed(); });
        });
        QObject::connect(&m_series, &WriteSeries::radioFinished, &m_series, [this](const SeriesRadio& a) { Ended(a); });
        QObject::connect(&m_series, &WriteSeries::finished, &m_series, [this] { Over(); });
        QObject::connect(&m_series, &WriteSeries::logFailed, &m_series, [this](const QString& path, const QString& why) {
            m_exchange.EndProgressLine();
            m_logFailed = true;
            Error(QStringLiteral("write: the series log cannot be written: %1: %2").arg(QDir::toNativeSeparators(path), why));
        });
        m_inputPoll.setInterval(50);
        QObject::connect(&m_inputPoll, &QTimer::timeout, &m_series, [this] { Answered(); });
    }

    int Run() {
        return m_exchange.Loop(
            [this] {
                if (!m_series.Begin(m_image, m_options, m_exchange.Ports())) m_exchange.Finish(kRadioError);
            },
            [this] {
                m_ending = true;
                m_inputPoll.stop();
                m_series.Finish();
            });
    }

private:
    bool RetryOffered() const { return !m_series.Attempts().empty() && RetryWorth(m_series.Attempts().back()); }
    bool RetryWorth(const SeriesRadio& a) const {
        return a.result != SeriesResult::Verified && !(a.result == SeriesResult::Written && !m_options.verifyAfter);
    }

    void Ended(const SeriesRadio& attempt) {
        m_exchange.EndProgressLine();
        Print(QStringLiteral("radio %1: %2").arg(attempt.radio).arg(ResultText(attempt)));
        if (!m_ending) Prompt();
    }

    void Prompt() {
        const int radio = m_series.Radio();
        const QString retry = RetryOffered() ? QStringLiteral("r and Enter to retry radio %1, ").arg(radio) : QString();
        ErrorText(QStringLiteral("radio %1: connect it and press Enter (%2q and Enter to finish)\n").arg(radio + 1).arg(retry));
        m_input.Ask();
        m_inputPoll.start();
    }

    void Answered() {
        const auto line = m_input.Take();
        if (!line) return;
        m_inputPoll.stop();
        const QString text = QString::fromStdString(line->text).trimmed();
        if (line->end || text == QLatin1String("q"))
            m_series.Finish();
        else if (text.isEmpty())
            m_series.WriteNext();
        else if (text == QLatin1String("r") && RetryOffered())
            m_series.Retry();
        else
            Prompt();
    }

    void Over() {
        if (!m_logFailed) Print(QStringLiteral("series log kept in %1").arg(QDir::toNativeSeparators(m_series.LogPath())));
        m_exchange.Finish(ExitCode());
    }

    // By each radio's last attempt.
    int ExitCode() const {
        std::map<int, const SeriesRadio*> last;
        for (const SeriesRadio& attempt : m_series.Attempts()) last[attempt.radio] = &attempt;
        bool differs = false;
        for (const auto& [radio, attempt] : last) {
            if (FailedOnTheLine(*attempt, m_options.verifyAfter)) return kRadioError;
            differs = differs || attempt->result == SeriesResult::Differs;
        }
        return differs ? kFailed : kSuccess;
    }

    QString ResultText(const SeriesRadio& attempt) const {
        const QString word = QString::fromLatin1(SeriesResultWord(attempt.result));
        const QString detail = Detail(attempt);
        return detail.isEmpty() ? word : word + QStringLiteral(": ") + detail;
    }

    QString Detail(const SeriesRadio& attempt) const {
        const TransferOutcome& outcome = attempt.outcome;
        const bool stopped = outcome.end == TransferEnd::Stopped;
        switch (attempt.result) {
        case SeriesResult::Verified:
        case SeriesResult::Stopped: return {};
        case SeriesResult::Differs: {
            QStringList lines;
            for (const FieldDifference& d : outcome.write.differences) lines << DifferenceLine(m_exchange.Names(), d);
            return lines.join(QStringLiteral("; "));
        }
        case SeriesResult::Written:
            if (stopped) return QStringLiteral("stopped before the read-back");
            if (outcome.write.verify == VerifyOutcome::ReadFailed)
                return QStringLiteral("not read back: ") + OneLine(DescribeFailure(m_exchange.Texts(), outcome.write.readFailure));
            return {};
        case SeriesResult::PartlyWritten: {
            const QString blocks = QStringLiteral("%1 of %2 blocks").arg(attempt.blocksWritten).arg(kImageBlocks);
            if (stopped) return blocks + QStringLiteral("; stopped");
            return blocks + QStringLiteral("; ") + OneLine(DescribeFailure(m_exchange.Texts(), outcome.failure));
        }
        case SeriesResult::NotWritten:
            if (outcome.end == TransferEnd::Refused)
                return RefusalText(m_exchange.Rules(), outcome.refusal.channel, outcome.refusal.rule);
            if (outcome.end != TransferEnd::BackupNotSaved) return {};
            [[fallthrough]];
        case SeriesResult::PortProblem:
        case SeriesResult::Silent: return OneLine(DescribeFailure(m_exchange.Texts(), outcome.failure));
        }
        return {};
    }

    RadioExchange& m_exchange;
    RadioImage m_image;
    WriteOptions m_options;
    WriteSeries m_series;
    InputLines m_input;
    QTimer m_inputPoll;
    bool m_ending = false;     // Ctrl+C: no radio follows
    bool m_logFailed = false;
};

}  // namespace

int RunWriteSeries(const Arguments& args) {
    int exitCode = kUsage;
    const auto taken = TakeImageRequest(QStringLiteral("write"), args, exitCode);
    if (!taken) return exitCode;
    const RadioRequest* request = &taken->radio;
    const RadioImage* image = &taken->image;
    // Refused once, before any radio is touched, as a single write is.
    RadioImage checked = *image;
    const ValidationVerdict verdict = ValidateForWrite(checked, request->rules->validation);
    if (!verdict.passed) {
        const int channel = verdict.failingChannel < kChannelCount ? verdict.failingChannel : -1;
        Error(QStringLiteral("write: ") + RefusalText(*request->rules, channel, verdict.rule));
        return kFailed;
    }
    const bool backup = !args.Has(QStringLiteral("no-backup"));
    const WriteOptions options{backup, !args.Has(QStringLiteral("no-verify")), backup};
    RadioExchange exchange(QStringLiteral("write"), *request);
    SeriesRun series(exchange, *image, options);
    return series.Run();
}

}  // namespace rk::cli
