// read, write and verify: the commands that talk to the radio. They run the
// programs' own transfer session (RadioExchange.h) and put its outcome into
// English.

#include <QDir>
#include <QTimer>

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "RadioExchange.h"
#include "TransferReport.h"

namespace rk::cli {

namespace {

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
    if (args.Has(QStringLiteral("series"))) {
        if (args.Has(QStringLiteral("dry-run")))
            return UsageError(QStringLiteral("write"), QStringLiteral("--series and --dry-run do not go together"));
        return RunWriteSeries(args);
    }
    int exitCode = kUsage;
    const auto taken = TakeImageRequest(QStringLiteral("write"), args, exitCode);
    if (!taken) return exitCode;
    const RadioRequest* request = &taken->radio;
    const RadioImage* image = &taken->image;

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
        exchange.SayChanges(preview);
        QTimer::singleShot(0, &session, [&session] { session.Proceed(); });
    });
    return exchange.Run([&](TransferSession& s) { s.Write(*image, options, exchange.Ports()); },
                        [&](const TransferOutcome& outcome) {
                            return SayWritten(outcome, exchange.Names(), exchange.Texts());
                        });
}

int RunVerify(const Arguments& args) {
    int exitCode = kUsage;
    const auto taken = TakeImageRequest(QStringLiteral("verify"), args, exitCode);
    if (!taken) return exitCode;
    const RadioRequest* request = &taken->radio;
    const RadioImage* image = &taken->image;

    // The radio is compared with the image as a write would send it.
    RadioExchange exchange(QStringLiteral("verify"), *request);
    return exchange.Run([&](TransferSession& session) { session.Verify(*image, exchange.Ports()); },
                        [&](const TransferOutcome& outcome) {
                            if (outcome.differences.empty())
                                Print(QStringLiteral("the radio holds the same data as %1").arg(args.Operands().first()));
                            for (const FieldDifference& d : outcome.differences) Print(DifferenceLine(exchange.Names(), d));
                            return outcome.differences.empty() ? kSuccess : kFailed;
                        });
}

}  // namespace rk::cli
