// export and import: the image's channels as a CSV channel table and back.

#include <QStringList>
#include <algorithm>
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

// Each reason follows the refused value: "\"65\" is not a channel from 1 to
// 64"; the three without a value read on their own.
QString ProblemReason(TableProblemKind kind) {
    switch (kind) {
    case TableProblemKind::MissingColumn: return QStringLiteral("the header has no such column");
    case TableProblemKind::UnclosedQuote: return QStringLiteral("a quoted cell is not closed");
    case TableProblemKind::Required: return QStringLiteral("empty, but needed");
    case TableProblemKind::NotANumber: return QStringLiteral("is not a number");
    case TableProblemKind::LocationOutOfRange: return QStringLiteral("is not a channel from 1 to 64");
    case TableProblemKind::DuplicateLocation: return QStringLiteral("is the same channel as an earlier row");
    case TableProblemKind::FrequencyOutOfRange: return QStringLiteral("is not a frequency a channel can hold");
    case TableProblemKind::UnknownDuplex: return QStringLiteral("is not one of +, -, split, off or empty");
    case TableProblemKind::UnknownToneMode: return QStringLiteral("is not one of Tone, TSQL, DTCS, Cross or empty");
    case TableProblemKind::UnknownCrossMode: return QStringLiteral("is not a cross mode such as Tone->DTCS");
    case TableProblemKind::ToneNotInTable: return QStringLiteral("is not a tone the radio has");
    case TableProblemKind::DcsNotInTable: return QStringLiteral("is not a DCS code the radio has");
    case TableProblemKind::UnknownPolarity: return QStringLiteral("is not two letters N or R");
    case TableProblemKind::UnknownMode: return QStringLiteral("is not FM, the radio's only mode");
    case TableProblemKind::UnknownPower: return QStringLiteral("is not High, Low or watts such as 5.0W");
    case TableProblemKind::SquelchOutOfRange: return QStringLiteral("is not a squelch level from 0 to 9");
    case TableProblemKind::DelayOutOfRange: return QStringLiteral("is not a delay from 0 to 25.5 seconds");
    case TableProblemKind::NotYesOrNo: return QStringLiteral("is not Y or N");
    case TableProblemKind::ScanGroupFull: return QStringLiteral("is one channel too many: the scan group already holds 16");
    }
    return QStringLiteral("is invalid");
}

bool QuotesValue(TableProblemKind kind) {
    return kind != TableProblemKind::MissingColumn && kind != TableProblemKind::UnclosedQuote &&
           kind != TableProblemKind::Required;
}

QString ProblemLine(const TableProblem& problem) {
    const QString column = problem.column.empty() ? QString() : QStringLiteral(", column %1").arg(QString::fromStdString(problem.column));
    const QString value = QuotesValue(problem.kind) ? QStringLiteral("\"%1\" ").arg(QString::fromStdString(problem.value)) : QString();
    return QStringLiteral("row %1%2: %3%4").arg(problem.row).arg(column, value, ProblemReason(problem.kind));
}

// What the pre-write check would refuse in the result, all of it: import
// does not refuse what the check would, but says so.
QString CheckSummary(const ModelRules* rules, const RadioImage& image, QStringList& lines) {
    if (!rules) return QString();
    const auto problems = ListWriteProblems(image, rules->validation);
    if (problems.empty()) return QString();
    for (const WriteProblem& problem : problems) lines << WriteProblemLine(*rules, problem);
    return QStringLiteral(", %1 would be refused by the check before a write as %2:")
        .arg(problems.size())
        .arg(QString::fromLatin1(rules->programName));
}

// The closing summary on stderr: the count, what the check would refuse,
// the columns the table lacked and the names the radio does not keep.
void ImportSummary(const ModelRules* rules, const ChannelTableImport& result) {
    QStringList lines;
    const auto count = static_cast<qsizetype>(result.importedRows.size());
    Error(QStringLiteral("%1 channel%2 imported%3")
              .arg(count)
              .arg(count == 1 ? QString() : QStringLiteral("s"), CheckSummary(rules, result.image, lines)));
    for (const QString& line : lines) Error(QStringLiteral("  ") + line);
    if (!result.absentColumns.empty()) {
        QStringList columns;
        for (const std::string& column : result.absentColumns) columns << QString::fromStdString(column);
        Error(QStringLiteral("the table has no column %1: the channels in use keep their values for these")
                  .arg(columns.join(QStringLiteral(", "))));
    }
    if (result.namesDropped)
        Error(QStringLiteral("channel names are not stored by these radios; the Name column was not imported"));
}

}  // namespace

int RunExport(const Arguments& args) {
    const QString path = args.Operands().first();
    QString error;
    const ModelRules* rules = ChooseModel(args, {path}, error);
    if (!rules) return UsageError(QStringLiteral("export"), error);
    const auto image = LoadImageFile(path);
    if (!image) return kFileError;

    const QString separator = args.Value(QStringLiteral("separator"));
    if (!separator.isEmpty() && separator != QStringLiteral("comma") && separator != QStringLiteral("semicolon"))
        return UsageError(QStringLiteral("export"), QStringLiteral("--separator takes comma or semicolon, not %1").arg(separator));
    const auto table = ExportChannelTable(*image, rules->validation.greatestSplit,
                                          args.Has(QStringLiteral("all")) ? ExportRows::All : ExportRows::Configured,
                                          separator == QStringLiteral("semicolon") ? TableLayout::Semicolons : TableLayout::Commas);
    for (const int channel : table.unlistedCodes)
        Error(QStringLiteral("channel %1: a squelch code byte names no tone or DCS code; exported without that code")
                  .arg(ChannelNumber(channel)));
    const QString output = args.Value(QStringLiteral("output"));
    if (!SaveTextFile(output, QByteArray::fromStdString(table.text))) return kFileError;
    // Every line but the header is a channel.
    const auto count = std::count(table.text.begin(), table.text.end(), '\n') - 1;
    Error(QStringLiteral("%1 channel%2 exported%3")
              .arg(count)
              .arg(count == 1 ? QString() : QStringLiteral("s"),
                   output.isEmpty() || output == QStringLiteral("-") ? QString() : QStringLiteral(" to ") + output));
    return kSuccess;
}

int RunImport(const Arguments& args) {
    const QString command = QStringLiteral("import");
    const QString csvPath = args.Operands().first();
    const QString basePath = args.Value(QStringLiteral("into"));
    const QString outPath = args.Value(QStringLiteral("output"));
    if (basePath.isEmpty()) return UsageError(command, QStringLiteral("--into FILE is missing"));
    if (outPath.isEmpty()) return UsageError(command, QStringLiteral("-o OUT is missing"));
    // The model only serves the summary's pre-write check.
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
    ImportSummary(rules, result);
    return kSuccess;
}

}  // namespace rk::cli
