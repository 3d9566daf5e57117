// read, write and verify: the commands that talk to the radio.

#include <QEventLoop>
#include <QTimer>

#include "Cli.h"
#include "CloneLink.h"
#include "Commands.h"
#include "Files.h"
#include "ModelChoice.h"
#include "PortChoice.h"
#include "Progress.h"
#include "RadioDocument.h"
#include "RuleTexts.h"

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

// Until the transfer machinery that saves a backup, writes and reads back
// for comparison is part of rkradio, write and verify stop here, after their
// arguments and the image file have been checked.
int NotInThisBuild(const QString& command) {
    Error(QStringLiteral("%1: not available in this build").arg(command));
    return kRadioError;
}

}  // namespace

int RunRead(const Arguments& args) {
    const QString out = args.Value(QStringLiteral("output"));
    if (out.isEmpty()) return UsageError(QStringLiteral("read"), QStringLiteral("-o FILE is missing"));
    int exitCode = kUsage;
    const auto request = TakeRequest(QStringLiteral("read"), args, out, exitCode);
    if (!request) return exitCode;

    // The read fills a document of its own; the file is written only when
    // every row has arrived.
    RadioDocument document;
    document.OnNewDocument();
    CloneLink link(*request->rules, document);
    QString shownName;
    QString error;
    if (!PointLinkAt(request->port, *request->rules, link, shownName, error)) {
        Error(QStringLiteral("read: %1").arg(error));
        return kRadioError;
    }
    Progress progress(request->quiet);
    QEventLoop loop;
    QObject::connect(&link, &CloneLink::stepStarted, &loop, [&](TransferKind kind, int block, const QString& port) {
        progress.Step(kind, block, port, shownName);
    });
    QObject::connect(&link, &CloneLink::readCompleted, &loop, [&](const QString&) {
        progress.Finish();
        exitCode = SaveImageFile(out, document.Image()) ? kSuccess : kFileError;
        loop.quit();
    });
    QObject::connect(&link, &CloneLink::failed, &loop, [&](const QString& message) {
        progress.Finish();
        Error(QStringLiteral("read: %1").arg(TransferText(*request->rules, message)));
        exitCode = kRadioError;
        loop.quit();
    });
    QTimer::singleShot(0, &link, &CloneLink::OnReadRadio);
    loop.exec();
    return exitCode;
}

int RunWrite(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    if (!TakeRequest(QStringLiteral("write"), args, file, exitCode)) return exitCode;
    if (!LoadImageFile(file)) return kFileError;
    return NotInThisBuild(QStringLiteral("write"));
}

int RunVerify(const Arguments& args) {
    const QString file = args.Operands().first();
    int exitCode = kUsage;
    if (!TakeRequest(QStringLiteral("verify"), args, file, exitCode)) return exitCode;
    if (!LoadImageFile(file)) return kFileError;
    return NotInThisBuild(QStringLiteral("verify"));
}

}  // namespace rk::cli
