// read, write and verify: the commands that talk to the radio. They run the
// programs' own transfer (CloneLink) with the same timing and the same backup
// folder, and say what happened in English.

#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "Cli.h"
#include "CloneLink.h"
#include "SystemPorts.h"
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

// One transfer run to its end: the link on the request's ports, progress on
// stderr, the event loop until the closing report.
class RadioExchange {
public:
    RadioExchange(const QString& command, const RadioRequest& request)
        : m_command(command),
          m_english(EnglishTexts(*request.rules)),
          m_texts(CliTransferTexts(m_english)),
          m_port(MakeSystemPort()),
          m_link(*request.rules, *m_port),
          m_progress(request.quiet) {
        m_link.SetPorts(request.ports);
        QObject::connect(&m_link, &CloneLink::stepStarted, &m_loop,
                         [this](const TransferStep& step) { m_progress.Step(step); });
        QObject::connect(&m_link, &CloneLink::failed, &m_loop, [this](const TransferFailure& failure) {
            Fail(QString::fromStdString(DescribeFailure(m_texts, failure)));
        });
        QObject::connect(&m_link, &CloneLink::stopped, &m_loop, [this](TransferPhase phase) { Stopped(phase); });
        // The handler cannot touch the link; Ctrl+C is seen here, between
        // the transfer's steps.
        m_interruptPoll.setInterval(50);
        QObject::connect(&m_interruptPoll, &QTimer::timeout, &m_loop, [this] {
            if (!m_interrupt.Requested()) return;
            m_interruptPoll.stop();
            m_link.StopAfterBlock();
        });
    }

    CloneLink& Link() { return m_link; }
    const TransferTexts& Texts() const { return m_texts; }
    const ReportTexts& Names() const { return m_english.Report(); }
    // Ends the progress line before other lines go to stderr.
    void EndProgressLine() { m_progress.Finish(); }

    // Runs `start` and waits for the closing report.
    int Run(const std::function<void(CloneLink&)>& start) {
        QTimer::singleShot(0, &m_link, [this, start] { start(m_link); });
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
    void Fail(const QString& text) {
        m_progress.Finish();
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            Error(QStringLiteral("%1: %2").arg(m_command, line));
        Finish(kRadioError);
    }

private:
    // Ctrl+C ended the transfer: what the radio holds now, and where its
    // data from before the write is.
    void Stopped(TransferPhase phase) {
        // A dry run cancels the write itself and says what it found.
        if (!m_interrupt.Requested()) return;
        m_progress.Finish();
        const TransferJob& job = m_link.Transfer().Job();
        const bool written = phase == TransferPhase::Verify || (phase == TransferPhase::Write && job.blocksSent > 0);
        if (!written) {
            Error(QStringLiteral("%1: stopped; nothing was written").arg(m_command));
        } else {
            if (phase == TransferPhase::Verify || job.blocksSent == kImageBlocks)
                Error(QStringLiteral("%1: stopped; the radio was written whole but not read back").arg(m_command));
            else
                Error(QStringLiteral("%1: stopped; the radio is partly written (%2 of %3 blocks)")
                          .arg(m_command)
                          .arg(job.blocksSent)
                          .arg(kImageBlocks));
            const BackupCopy& before = job.result.before;
            if (before.Saved())
                Error(QStringLiteral("%1: the radio's data from before the write is in %2")
                          .arg(m_command, QString::fromStdString(before.path)));
            else
                Error(QStringLiteral("%1: no backup was taken before the write").arg(m_command));
        }
        Finish(kRadioError);
    }

    QString m_command;
    TranslatedTexts m_english;
    TransferTexts m_texts;
    std::unique_ptr<SerialPort> m_port;
    CloneLink m_link;
    Progress m_progress;
    QEventLoop m_loop;
    InterruptWatch m_interrupt;
    QTimer m_interruptPoll;
    int m_exitCode = kRadioError;
};

void PrintBackup(const BackupCopy& copy, const char* what) {
    if (copy.Saved()) Print(QStringLiteral("%1 kept in %2").arg(QLatin1String(what), QString::fromStdString(copy.path)));
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
    QObject::connect(&exchange.Link(), &CloneLink::readCompleted, &exchange.Link(), [&](const ReadResult& result) {
        exchange.Finish(SaveImageFile(out, result.image) ? kSuccess : kFileError);
    });
    return exchange.Run([](CloneLink& link) { link.OnReadRadio(); });
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
    // and stops there; a write says it on stderr and goes on.
    const bool dryRun = args.Has(QStringLiteral("dry-run"));
    const WriteOptions options{dryRun || !args.Has(QStringLiteral("no-backup")), !args.Has(QStringLiteral("no-verify")),
                               true};
    QObject::connect(&exchange.Link(), &CloneLink::writeAwaiting, &exchange.Link(), [&](const WritePreview& preview) {
        if (dryRun) {
            exchange.Link().CancelWrite();
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
        QTimer::singleShot(0, &exchange.Link(), [&exchange] { exchange.Link().ProceedWrite(); });
    });
    QObject::connect(&exchange.Link(), &CloneLink::writeRefused, &exchange.Link(), [&](const WriteRefusal& refusal) {
        const QString where = refusal.channel >= 0 ? QStringLiteral("channel %1: ").arg(ChannelNumber(refusal.channel))
                                                   : QString();
        Error(QStringLiteral("write: %1%2").arg(where, CheckFailureText(*request->rules, refusal.rule)));
        exchange.Finish(kFailed);
    });
    QObject::connect(&exchange.Link(), &CloneLink::writeCompleted, &exchange.Link(), [&](const WriteResult& result) {
        PrintBackup(result.before, "the radio's data before the write");
        switch (result.verify) {
        case VerifyOutcome::NotAsked: Print(QStringLiteral("written to the radio")); break;
        case VerifyOutcome::Matches: Print(QStringLiteral("written to the radio; reading it back gave the same data")); break;
        case VerifyOutcome::Differs:
            Print(QStringLiteral("written to the radio, but reading it back gave other data:"));
            for (const FieldDifference& d : result.differences) Print(DifferenceLine(exchange.Names(), d));
            break;
        case VerifyOutcome::ReadFailed:
            Print(QStringLiteral("written to the radio, but it could not be read back:"));
            Print(QString::fromStdString(DescribeFailure(exchange.Texts(), result.readFailure)));
            break;
        }
        const int code = result.verify == VerifyOutcome::Differs      ? kFailed
                         : result.verify == VerifyOutcome::ReadFailed ? kRadioError
                                                                      : kSuccess;
        exchange.Finish(code);
    });
    return exchange.Run([&image, options](CloneLink& link) { link.OnWriteRadio(*image, options); });
}

int RunVerify(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("verify"), args, file, exitCode);
    if (!request) return exitCode;
    const auto image = LoadImageFile(file);
    if (!image) return kFileError;

    // The radio is compared with the image as a write would send it.
    RadioImage expected = *image;
    RefreshDerivedFields(expected);
    RadioExchange exchange(QStringLiteral("verify"), *request);
    QObject::connect(&exchange.Link(), &CloneLink::readCompleted, &exchange.Link(), [&](const ReadResult& result) {
        const auto differences = CompareImages(expected, result.image);
        if (differences.empty()) Print(QStringLiteral("the radio holds the same data as %1").arg(file));
        for (const FieldDifference& d : differences) Print(DifferenceLine(exchange.Names(), d));
        exchange.Finish(differences.empty() ? kSuccess : kFailed);
    });
    return exchange.Run([](CloneLink& link) { link.OnReadRadio(); });
}

}  // namespace rk::cli
