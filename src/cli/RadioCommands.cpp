// read, write and verify: the commands that talk to the radio. They run the
// programs' own transfer session with the same timing and the same backup
// folder, and put its outcome into English.

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "Interrupt.h"
#include "ModelChoice.h"
#include "PortChoice.h"
#include "Progress.h"
#include "RuleTexts.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"
#include "TransferPeriodChoice.h"
#include "TransferSession.h"
#include "SystemPorts.h"
#include "WriteValidation.h"

namespace rk::cli {

namespace {

// What every radio command is given, checked before the radio is touched.
struct RadioRequest {
    const ModelRules* rules = nullptr;
    std::vector<PortCandidate> ports;
    bool quiet = false;
};

// Nothing when a usage error has been reported; `exitCode` holds its status.
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

// The transfer texts in rkradio's English. A port that stands for no device
// points to `rkradio ports`, not to a program's menu.
TransferTexts CliTransferTexts(const TranslatedTexts& english) {
    TransferTexts texts = english.Transfer();
    texts.portUnassigned = "no serial device has this name (rkradio ports lists them)";
    return texts;
}

// One operation run to its end: the session on the request's ports,
// progress on stderr, the event loop until its outcome. `done` words an
// operation that went as asked and gives the exit status.
class RadioExchange {
public:
    using Done = std::function<int(const TransferOutcome&)>;

    RadioExchange(const QString& command, const RadioRequest& request)
        : m_command(command),
          m_rules(*request.rules),
          m_ports(request.ports),
          m_english(EnglishTexts(*request.rules)),
          m_texts(CliTransferTexts(m_english)),
          m_port(MakeSystemPort()),
          m_link(*request.rules, *m_port, CliTransferPeriods()),
          m_session(m_link),
          m_progress(request.quiet) {
        QObject::connect(&m_session, &TransferSession::stepStarted, &m_loop,
                         [this](const TransferStep& step) { m_progress.Step(step); });
        QObject::connect(&m_session, &TransferSession::finished, &m_loop,
                         [this](const TransferOutcome& outcome) { Finished(outcome); });
        // The handler cannot touch the session; Ctrl+C is seen here, between
        // the transfer's steps.
        m_interruptPoll.setInterval(50);
        QObject::connect(&m_interruptPoll, &QTimer::timeout, &m_loop, [this] {
            if (!m_interrupt.Requested()) return;
            m_interruptPoll.stop();
            m_session.StopAfterBlock();
        });
    }

    TransferSession& Session() { return m_session; }
    const std::vector<PortCandidate>& Ports() const { return m_ports; }
    const ReportTexts& Names() const { return m_english.Report(); }
    const TransferTexts& Texts() const { return m_texts; }
    // Ends the progress line before other lines go to stderr.
    void EndProgressLine() { m_progress.Finish(); }

    // Runs `start` and waits for the outcome.
    int Run(const std::function<void(TransferSession&)>& start, Done done) {
        m_done = std::move(done);
        QTimer::singleShot(0, &m_session, [this, start] { start(m_session); });
        m_interruptPoll.start();
        m_loop.exec();
        m_interruptPoll.stop();
        return m_exitCode;
    }
    void Finish(int exitCode) {
        m_progress.Finish();
        m_exitCode = exitCode;
        m_loop.quit();
    }

private:
    void Say(const QString& text) {
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            Error(QStringLiteral("%1: %2").arg(m_command, line));
    }

    void Finished(const TransferOutcome& outcome) {
        switch (outcome.end) {
        case TransferEnd::Done: Finish(m_done(outcome)); return;
        case TransferEnd::Refused: {
            m_progress.Finish();
            const WriteRefusal& refusal = outcome.refusal;
            const QString where =
                refusal.channel >= 0 ? QStringLiteral("channel %1: ").arg(ChannelNumber(refusal.channel)) : QString();
            Error(QStringLiteral("%1: %2%3").arg(m_command, where, CheckFailureText(m_rules, refusal.rule)));
            Finish(kFailed);
            return;
        }
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
    void SayWhatTheRadioHolds(const TransferOutcome& outcome, const QString& lead) {
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

    QString m_command;
    const ModelRules& m_rules;
    std::vector<PortCandidate> m_ports;
    TranslatedTexts m_english;
    TransferTexts m_texts;
    std::unique_ptr<SerialPort> m_port;
    CloneLink m_link;
    TransferSession m_session;
    Progress m_progress;
    QEventLoop m_loop;
    InterruptWatch m_interrupt;
    QTimer m_interruptPoll;
    Done m_done;
    int m_exitCode = kRadioError;
};

void PrintBackup(const BackupCopy& copy, const char* what) {
    if (copy.Saved()) Print(QStringLiteral("%1 kept in %2").arg(QLatin1String(what), QDir::toNativeSeparators(QString::fromStdString(copy.path))));
}

// The write's outcome in rkradio's words, and its exit status.
int SayWritten(const TransferOutcome& outcome, const ReportTexts& names, const TransferTexts& texts) {
    const WriteResult& result = outcome.write;
    PrintBackup(outcome.before, "the radio's data before the write");
    switch (result.verify) {
    case VerifyOutcome::NotAsked: Print(QStringLiteral("written to the radio")); break;
    case VerifyOutcome::Matches: Print(QStringLiteral("written to the radio; reading it back gave the same data")); break;
    case VerifyOutcome::Differs:
        Print(QStringLiteral("written to the radio, but reading it back gave other data:"));
        for (const FieldDifference& d : result.differences) Print(DifferenceLine(names, d));
        break;
    case VerifyOutcome::ReadFailed:
        Print(QStringLiteral("written to the radio, but it could not be read back:"));
        Print(QString::fromStdString(DescribeFailure(texts, result.readFailure)));
        break;
    }
    return result.verify == VerifyOutcome::Differs      ? kFailed
           : result.verify == VerifyOutcome::ReadFailed ? kRadioError
                                                        : kSuccess;
}

}  // namespace

int RunRead(const Arguments& args) {
    const QString out = args.Value(QStringLiteral("output"));
    if (out.isEmpty()) return UsageError(QStringLiteral("read"), QStringLiteral("-o FILE is missing"));
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("read"), args, out, exitCode);
    if (!request) return exitCode;

    // The file is written only when every row has arrived.
    RadioExchange exchange(QStringLiteral("read"), *request);
    return exchange.Run([&](TransferSession& session) { session.Read(exchange.Ports()); },
                        [&](const TransferOutcome& outcome) {
                            return SaveImageFile(out, outcome.read.image) ? kSuccess : kFileError;
                        });
}

int RunWrite(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("write"), args, file, exitCode);
    if (!request) return exitCode;
    const auto image = LoadImageFile(file);
    if (!image) return kFileError;

    RadioExchange exchange(QStringLiteral("write"), *request);
    // The backup read shows what the write would change: a dry run lists it
    // and stops there, whatever else it was given; a write says it on stderr
    // and goes on.
    const bool dryRun = args.Has(QStringLiteral("dry-run"));
    const WriteOptions options{dryRun || !args.Has(QStringLiteral("no-backup")), !args.Has(QStringLiteral("no-verify")),
                               true};
    TransferSession& session = exchange.Session();
    QObject::connect(&session, &TransferSession::writeAwaiting, &session, [&](const WritePreview& preview) {
        if (dryRun) {
            session.Cancel();
            exchange.EndProgressLine();
            if (preview.differences.empty()) Print(QStringLiteral("the radio already holds these data"));
            for (const FieldDifference& d : preview.differences) Print(DifferenceLine(exchange.Names(), d));
            exchange.Finish(preview.differences.empty() ? kSuccess : kFailed);
            return;
        }
        if (!request->quiet) {
            exchange.EndProgressLine();
            if (preview.differences.empty()) Error(QStringLiteral("write: the radio already holds these data"));
            for (const FieldDifference& d : preview.differences) Error(QStringLiteral("write: ") + DifferenceLine(exchange.Names(), d));
        }
        QTimer::singleShot(0, &session, [&session] { session.Proceed(); });
    });
    return exchange.Run([&](TransferSession& s) { s.Write(*image, options, exchange.Ports()); },
                        [&](const TransferOutcome& outcome) {
                            return SayWritten(outcome, exchange.Names(), exchange.Texts());
                        });
}

int RunVerify(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("verify"), args, file, exitCode);
    if (!request) return exitCode;
    const auto image = LoadImageFile(file);
    if (!image) return kFileError;

    // The radio is compared with the image as a write would send it.
    RadioExchange exchange(QStringLiteral("verify"), *request);
    return exchange.Run([&](TransferSession& session) { session.Verify(*image, exchange.Ports()); },
                        [&](const TransferOutcome& outcome) {
                            if (outcome.differences.empty())
                                Print(QStringLiteral("the radio holds the same data as %1").arg(file));
                            for (const FieldDifference& d : outcome.differences) Print(DifferenceLine(exchange.Names(), d));
                            return outcome.differences.empty() ? kSuccess : kFailed;
                        });
}

}  // namespace rk::cli
