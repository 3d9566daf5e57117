// check: the pre-write check on a copy of the image.

#include <utility>

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "ModelChoice.h"
#include "RuleTexts.h"
#include "WriteValidation.h"

namespace rk::cli {

int RunCheck(const Arguments& args) {
    const QString path = args.Operands().first();
    QString error;
    const ModelRules* rules = ChooseModel(args, {path}, error);
    if (!rules) return UsageError(QStringLiteral("check"), error);
    const auto image = LoadImageFile(path);
    if (!image) return kFileError;

    RadioImage copy = *image;
    const ValidationVerdict verdict = ValidateForWrite(copy, rules->validation);
    if (verdict.passed) {
        Print(QStringLiteral("OK"));
        return kSuccess;
    }
    const int channel = verdict.failingChannel;
    if (channel < 0 || channel >= kChannelCount) {
        Print(QStringLiteral("the check failed"));
        return kFailed;
    }
    Print(QStringLiteral("channel %1: %2")
              .arg(ChannelNumber(channel), CheckFailureText(*rules, verdict.message)));
    return kFailed;
}

}  // namespace rk::cli
