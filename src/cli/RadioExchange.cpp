#include "RadioExchange.h"

#include <QDir>

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "ModelChoice.h"
#include "PortChoice.h"
#include "RuleTexts.h"
#include "SystemPorts.h"
#include "TransferPeriodChoice.h"
#include "TransferReport.h"

namespace rk::cli {

namespace {

// The transfer texts in rkradio's English. A port that stands for no device
// points to `rkradio ports`, not to a program's menu.
TransferTexts CliTransferTexts(const TranslatedTexts& english) {
    TransferTexts texts = english.Transfer();
    texts.portUnassigned = "no serial device has this name (rkradio ports lists them)";
    return texts;
}

}  // namespace

std::optional<RadioRequest> TakeRequest(const QString& command, const Arguments& args, const QString& file, int& exitCode) {
    RadioRequest request;
    QString error;
    request.rules = ChooseModel(args, {file}, error);
    PortChoice choice;
    if (request.rules && args.Has(QStringLiteral("port"))) {
        const auto port = ParsePort(args.Value(QStringLiteral("port")), error);
        if (port)
            choice = *port;
        else
            request.rules = nullptr;
    }
    if (!request.rules) {
        exitCode = UsageError(command, error);
        return std::nullopt;
    }
    const auto ports = CandidatePorts(choice, *request.rules, error);
    if (!ports) {
        Error(QStringLiteral("%1: %2").arg(command, error));
        exitCode = kRadioError;
        return std::nullopt;
    }
    request.ports = *ports;
    request.quiet = args.Has(QStringLiteral("quiet"));
    return request;
}

std::optional<ImageRequest> TakeImageRequest(const QString& command, const Arguments& args, int& exitCode) {
    const QString file = args.Operands().first();
    auto request = TakeRequest(command, args, file, exitCode);
    if (!request) return std::nullopt;
    const auto image = LoadImageFile(file);
    if (!image) {
        exitCode = kFileError;
        return std::nullopt;
    }
    return ImageRequest{*request, *image};
}

QString RefusalText(const ModelRules& rules, int channel, WriteRule rule) {
    const QString where = channel >= 0 ? QStringLiteral("channel %1: ").arg(ChannelNumber(channel)) : QString();
    return where + CheckFailureText(rules, rule);
}

RadioExchange::RadioExchange(const QString& command, const RadioRequest& request)
    : m_command(command),
      m_rules(*request.rules),
      m_ports(request.ports),
      m_quiet(request.quiet),
      m_english(EnglishTexts(*request.rules)),
      m_texts(CliTransferTexts(m_english)),
      m_port(MakeSystemPort()),
      m_link(*request.rules, *m_port, CliTransferPeriods()),
      m_session(m_link),
      m_progress(request.quiet) {
    QObject::connect(&m_session, &TransferSession::stepStarted, &m_loop,
                     [this](const TransferStep& step) { m_progress.Step(step); });
    // The handler cannot touch the session; Ctrl+C is seen here, between
    // the transfer's steps.
    m_interruptPoll.setInterval(50);
    QObject::connect(&m_interruptPoll, &QTimer::timeout, &m_loop, [this] {
        if (!m_interrupt.Requested()) return;
        m_interruptPoll.stop();
        m_interrupted();
    });
}

void RadioExchange::SayChanges(const WritePreview& preview) {
    if (m_quiet) return;
    EndProgressLine();
    if (preview.differences.empty()) Error(m_command + QStringLiteral(": the radio already holds these data"));
    for (const FieldDifference& d : preview.differences) Error(m_command + QStringLiteral(": ") + DifferenceLine(Names(), d));
}

int RadioExchange::Run(const std::function<void(TransferSession&)>& start, Done done) {
    m_done = std::move(done);
    QObject::connect(&m_session, &TransferSession::finished, &m_loop,
                     [this](const TransferOutcome& outcome) { Finished(outcome); });
    return Loop([this, start] { start(m_session); }, [this] { m_session.StopAfterBlock(); });
}

int RadioExchange::Loop(const std::function<void()>& start, std::function<void()> interrupted) {
    m_interrupted = std::move(interrupted);
    QTimer::singleShot(0, &m_session, start);
    m_interruptPoll.start();
    m_loop.exec();
    m_interruptPoll.stop();
    return m_exitCode;
}

void RadioExchange::Finish(int exitCode) {
    m_progress.Finish();
    m_exitCode = exitCode;
    m_loop.quit();
}

void RadioExchange::Say(const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        Error(QStringLiteral("%1: %2").arg(m_command, line));
}

void RadioExchange::Finished(const TransferOutcome& outcome) {
    switch (outcome.end) {
    case TransferEnd::Done: Finish(m_done(outcome)); return;
    case TransferEnd::Refused:
        m_progress.Finish();
        Error(m_command + QStringLiteral(": ") + RefusalText(m_rules, outcome.refusal.channel, outcome.refusal.rule));
        Finish(kFailed);
        return;
    case TransferEnd::PortProblem:
    case TransferEnd::RadioProblem:
    case TransferEnd::BackupNotSaved:
        m_progress.Finish();
        Say(QString::fromStdString(DescribeFailure(m_texts, outcome.failure)));
        SayWhatTheRadioHolds(outcome, QString());
        Finish(kRadioError);
        return;
    case TransferEnd::Stopped:
        // A dry run cancels the write itself and says what it found.
        if (!m_interrupt.Requested()) return;
        m_progress.Finish();
        SayWhatTheRadioHolds(outcome, QStringLiteral("stopped; "));
        Finish(kRadioError);
        return;
    }
}

// How much of a write reached the radio, and where its data from before
// the write are.
void RadioExchange::SayWhatTheRadioHolds(const TransferOutcome& outcome, const QString& lead) {
    switch (outcome.radio) {
    case RadioHolds::OldData:
        if (!lead.isEmpty()) Say(lead + QStringLiteral("nothing was written"));
        return;
    case RadioHolds::NewData: Say(lead + QStringLiteral("the radio was written whole but not read back")); break;
    case RadioHolds::PartlyWritten:
        Say(lead + QStringLiteral("the radio is partly written (%1 of %2 blocks)")
                       .arg(outcome.blocksWritten)
                       .arg(kImageBlocks));
        break;
    }
    if (outcome.before.Saved())
        Say(QStringLiteral("the radio's data from before the write is in %1")
                .arg(QDir::toNativeSeparators(QString::fromStdString(outcome.before.path))));
    else
        Say(QStringLiteral("no backup was taken before the write"));
}

}  // namespace rk::cli
