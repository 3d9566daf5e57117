// check: the pre-write check on a copy of the image, every problem it meets.

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "ModelChoice.h"
#include "RuleTexts.h"
#include "WriteValidation.h"

namespace rk::cli {

QString WriteProblemLine(const ModelRules& rules, const WriteProblem& problem) {
    return QStringLiteral("channel %1: %2").arg(ChannelNumber(problem.channel), CheckFailureText(rules, problem.rule));
}

int RunCheck(const Arguments& args) {
    const QString path = args.Operands().first();
    QString error;
    const ModelRules* rules = ChooseModel(args, {path}, error);
    if (!rules) return UsageError(QStringLiteral("check"), error);
    const auto image = LoadImageFile(path);
    if (!image) return kFileError;

    const auto problems = ListWriteProblems(*image, rules->validation);
    if (problems.empty()) {
        Print(QStringLiteral("OK"));
        return kSuccess;
    }
    for (const WriteProblem& problem : problems) Print(WriteProblemLine(*rules, problem));
    return kFailed;
}

}  // namespace rk::cli
