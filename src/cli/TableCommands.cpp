// export and import: the image's channels as a CSV channel table and back.

#include <utility>

#include "ChannelTable.h"
#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "ModelChoice.h"
#include "RuleTexts.h"
#include "WriteValidation.h"

namespace rk::cli {

namespace {

QString ProblemReason(TableProblemKind kind) {
    switch (kind) {
    case TableProblemKind::MissingColumn: return QStringLiteral("the header has no such column");
    case TableProblemKind::UnclosedQuote: return QStringLiteral("a quoted cell is not closed");
    case TableProblemKind::Required: return QStringLiteral("empty, but needed");
    case TableProblemKind::NotANumber: return QStringLiteral("not a number");
    case TableProblemKind::LocationOutOfRange: return QStringLiteral("not a channel from 1 to 64");
    case TableProblemKind::DuplicateLocation: return QStringLiteral("the same channel as an earlier row");
    case TableProblemKind::FrequencyOutOfRange: return QStringLiteral("not a frequency a channel can hold");
    case TableProblemKind::UnknownDuplex: return QStringLiteral("not one of +, -, split, off or empty");
    case TableProblemKind::UnknownToneMode: return QStringLiteral("not one of Tone, TSQL, DTCS, Cross or empty");
    case TableProblemKind::UnknownCrossMode: return QStringLiteral("not a cross mode such as Tone->DTCS");
    case TableProblemKind::ToneNotInTable: return QStringLiteral("a tone the radio does not have");
    case TableProblemKind::DcsNotInTable: return QStringLiteral("a DCS code the radio does not have");
    case TableProblemKind::UnknownPolarity: return QStringLiteral("not two letters N or R");
    case TableProblemKind::UnknownMode: return QStringLiteral("the radio has FM only");
    case TableProblemKind::UnknownPower: return QStringLiteral("not High, Low or watts such as 5.0W");
    case TableProblemKind::SquelchOutOfRange: return QStringLiteral("not a squelch level from 0 to 9");
    case TableProblemKind::DelayOutOfRange: return QStringLiteral("not a delay from 0 to 25.5 seconds");
    case TableProblemKind::NotYesOrNo: return QStringLiteral("not Y or N");
    case TableProblemKind::ScanGroupFull: return QStringLiteral("the scan group already holds 16 channels");
    }
    return QStringLiteral("invalid");
}

QString ProblemLine(const TableProblem& problem) {
    const QString column = problem.column.empty() ? QString() : QStringLiteral(", column %1").arg(QString::fromStdString(problem.column));
    return QStringLiteral("row %1%2: %3").arg(problem.row).arg(column, ProblemReason(problem.kind));
}

// The pre-write check on the result, as a note: import does not refuse what
// the check would, but says so.
void NoteCheck(const ModelRules& rules, const RadioImage& image) {
    RadioImage copy = image;
    const ValidationVerdict verdict = ValidateForWrite(copy, rules.validation);
    if (verdict.passed || verdict.failingChannel < 0 || verdict.failingChannel >= kChannelCount) return;
    Error(QStringLiteral("note: as %1 the result does not pass check: channel %2: %3")
              .arg(QString::fromLatin1(rules.programName), ChannelNumber(verdict.failingChannel),
                   CheckFailureText(rules, verdict.message)));
}

}  // namespace

int RunExport(const Arguments& args) {
    const QString path = args.Operands().first();
    QString error;
    const ModelRules* rules = ChooseModel(args, {path}, error);
    if (!rules) return UsageError(QStringLiteral("export"), error);
    const auto image = LoadImageFile(path);
    if (!image) return kFileError;

    const auto table = ExportChannelTable(*image, rules->validation.greatestSplit,
                                          args.Has(QStringLiteral("all")) ? ExportRows::All : ExportRows::Configured);
    for (const int channel : table.unlistedCodes)
        Error(QStringLiteral("channel %1: a squelch code byte names no tone or DCS code; exported without that code")
                  .arg(ChannelNumber(channel)));
    return SaveTextFile(args.Value(QStringLiteral("output")), QByteArray::fromStdString(table.text)) ? kSuccess
                                                                                                    : kFileError;
}

int RunImport(const Arguments& args) {
    const QString command = QStringLiteral("import");
    const QString csvPath = args.Operands().first();
    const QString basePath = args.Value(QStringLiteral("into"));
    const QString outPath = args.Value(QStringLiteral("output"));
    if (basePath.isEmpty()) return UsageError(command, QStringLiteral("--into FILE is missing"));
    if (outPath.isEmpty()) return UsageError(command, QStringLiteral("-o OUT is missing"));
    // The model only serves the note on the pre-write check.
    const ModelRules* rules = nullptr;
    QString error;
    if (args.Has(QStringLiteral("model")) && !(rules = ChooseModel(args, {}, error))) return UsageError(command, error);
    if (!rules) rules = ModelOfFile(outPath) ? ModelOfFile(outPath) : ModelOfFile(basePath);

    const auto base = LoadImageFile(basePath);
    const auto text = LoadTextFile(csvPath, static_cast<qint64>(kChannelTableMaxBytes));
    if (!base || !text) return kFileError;

    const auto result = ImportChannelTable(*base, std::string_view(text->constData(), static_cast<std::size_t>(text->size())));
    const bool skipping = args.Has(QStringLiteral("skip-invalid")) && result.tableUsable;
    for (const TableProblem& problem : result.problems)
        Error((skipping ? QStringLiteral("skipped ") : QString()) + ProblemLine(problem));
    if (!result.problems.empty() && !skipping) {
        Error(QStringLiteral("%1: table refused, nothing written").arg(csvPath));
        return kFailed;
    }
    if (!SaveImageFile(outPath, result.image)) return kFileError;
    if (rules) NoteCheck(*rules, result.image);
    return kSuccess;
}

}  // namespace rk::cli
