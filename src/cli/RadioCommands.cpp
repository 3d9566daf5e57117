// read, write and verify: the commands that talk to the radio. They run the
// programs' own transfer (CloneLink) with the same timing and the same backup
// folder, and say what happened in English.

#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "Cli.h"
#include "CloneLink.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "ModelChoice.h"
#include "PortChoice.h"
#include "Progress.h"
#include "RadioDocument.h"
#include "RuleTexts.h"
#include "TranslatedTexts.h"

namespace rk::cli {

namespace {

// What every radio command is given, checked before the radio is touched.
struct RadioRequest {
    const ModelRules* rules = nullptr;
    PortChoice port;
    bool quiet = false;
};

// Nothing when a usage error has been reported; `exitCode` holds its status.
std::optional<RadioRequest> TakeRequest(const QString& command, const Arguments& args, const QString& file, int& exitCode) {
    RadioRequest request;
    QString error;
    request.rules = ChooseModel(args, {file}, error);
    if (request.rules && args.Has(QStringLiteral("port"))) {
        const auto port = ParsePort(args.Value(QStringLiteral("port")), error);
        if (port)
            request.port = *port;
        else
            request.rules = nullptr;
    }
    if (!request.rules) {
        exitCode = UsageError(command, error);
        return std::nullopt;
    }
    request.quiet = args.Has(QStringLiteral("quiet"));
    return request;
}

// One transfer run to its end: the link on the request's port, progress on
// stderr, the event loop until the closing report.
class RadioExchange {
public:
    RadioExchange(const QString& command, const RadioRequest& request, RadioDocument& document)
        : m_command(command),
          m_texts(EnglishRules(*request.rules)),
          m_link(m_texts.Rules(), document),
          m_progress(request.quiet) {
        QObject::connect(&m_link, &CloneLink::stepStarted, &m_loop,
                         [this](const TransferStep& step) { m_progress.Step(step, m_shownName); });
        QObject::connect(&m_link, &CloneLink::failed, &m_loop, [this](const TransferFailure& failure) {
            Fail(QString::fromStdString(failure.message));
        });
        m_pointed = PointLinkAt(request.port, *request.rules, m_link, m_shownName, m_portError);
    }

    CloneLink& Link() { return m_link; }
    const TranslatedTexts& Texts() const { return m_texts; }

    // Runs `start` and waits for the closing report; kRadioError when the
    // port could not be chosen.
    int Run(const std::function<void(CloneLink&)>& start) {
        if (!m_pointed) {
            Error(QStringLiteral("%1: %2").arg(m_command, m_portError));
            return kRadioError;
        }
        QTimer::singleShot(0, &m_link, [this, start] { start(m_link); });
        m_loop.exec();
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
    QString m_command;
    TranslatedTexts m_texts;
    CloneLink m_link;
    Progress m_progress;
    QEventLoop m_loop;
    QString m_shownName;
    QString m_portError;
    bool m_pointed = false;
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
    RadioDocument document;
    document.OnNewDocument();
    RadioExchange exchange(QStringLiteral("read"), *request, document);
    QObject::connect(&exchange.Link(), &CloneLink::readCompleted, &exchange.Link(), [&](const ReadResult& result) {
        exchange.Finish(SaveImageFile(out, result.image) ? kSuccess : kFileError);
    });
    return exchange.Run([](CloneLink& link) { link.ReadImage(); });
}

int RunWrite(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("write"), args, file, exitCode);
    if (!request) return exitCode;
    const auto image = LoadImageFile(file);
    if (!image) return kFileError;

    RadioDocument document;
    document.LoadImage(*image);
    RadioExchange exchange(QStringLiteral("write"), *request, document);
    const WriteOptions options{!args.Has(QStringLiteral("no-backup")), !args.Has(QStringLiteral("no-verify"))};
    QObject::connect(&exchange.Link(), &CloneLink::writeRefused, &exchange.Link(), [&](const WriteRefusal& refusal) {
        const QString where = refusal.channel >= 0 ? QStringLiteral("channel %1: ").arg(ChannelNumber(refusal.channel))
                                                   : QString();
        Error(QStringLiteral("write: %1%2").arg(where, CheckFailureText(*request->rules, refusal.message)));
        exchange.Finish(kFailed);
    });
    QObject::connect(&exchange.Link(), &CloneLink::writeCompleted, &exchange.Link(), [&](const WriteResult& result) {
        PrintBackup(result.before, "the radio's data before the write");
        switch (result.verify) {
        case VerifyOutcome::NotAsked: Print(QStringLiteral("written to the radio")); break;
        case VerifyOutcome::Matches: Print(QStringLiteral("written to the radio; reading it back gave the same data")); break;
        case VerifyOutcome::Differs:
            Print(QStringLiteral("written to the radio, but reading it back gave other data:"));
            for (const FieldDifference& d : result.differences) Print(DifferenceLine(d));
            break;
        case VerifyOutcome::ReadFailed:
            Print(QStringLiteral("written to the radio, but it could not be read back:"));
            Print(QString::fromStdString(result.readFailure));
            break;
        }
        const int code = result.verify == VerifyOutcome::Differs      ? kFailed
                         : result.verify == VerifyOutcome::ReadFailed ? kRadioError
                                                                      : kSuccess;
        exchange.Finish(code);
    });
    return exchange.Run([options](CloneLink& link) { link.OnWriteRadio(options); });
}

int RunVerify(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("verify"), args, file, exitCode);
    if (!request) return exitCode;
    const auto image = LoadImageFile(file);
    if (!image) return kFileError;

    RadioDocument document;
    document.OnNewDocument();
    RadioExchange exchange(QStringLiteral("verify"), *request, document);
    QObject::connect(&exchange.Link(), &CloneLink::readCompleted, &exchange.Link(), [&](const ReadResult& result) {
        const auto differences = CompareImages(*image, result.image);
        if (differences.empty()) Print(QStringLiteral("the radio holds the same data as %1").arg(file));
        for (const FieldDifference& d : differences) Print(DifferenceLine(d));
        exchange.Finish(differences.empty() ? kSuccess : kFailed);
    });
    return exchange.Run([](CloneLink& link) { link.ReadImage(); });
}

}  // namespace rk::cli
