// diff: the differences between two images, field by field.

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "Conversions.h"
#include "ImageDiff.h"
#include "ModelChoice.h"
#include "RuleTexts.h"
#include "TransferReport.h"

namespace rk::cli {

namespace {

QString English(const char* text) { return InsideLine(QString::fromUtf8(text ? text : "")); }

// Values as `show` writes them; an option's word inside the line.
QString Value(const ReportTexts& english, const FieldValue& value) {
    const QString text = QString::fromStdString(ValueText(english, value, ValueStyle::Listing));
    return std::holds_alternative<diff::Switch>(value) ? InsideLine(text) : text;
}

QString Offset(std::size_t offset) { return QString::number(offset, 16).toUpper(); }

}  // namespace

QString DifferenceLine(const ReportTexts& english, const FieldDifference& d) {
    if (d.field == DiffField::Byte)
        return QStringLiteral("byte 0x%1: %2 -> %3").arg(Offset(d.offset), Value(english, d.before), Value(english, d.after));
    const QString field = English(ReportFieldName(english, d.field));
    const QString name = d.channel >= 0 ? QStringLiteral("channel %1 %2").arg(ChannelNumber(d.channel), field) : field;
    if (d.shown)
        return QStringLiteral("%1, byte 0x%2: %3 -> %4 (shows %5 either way)")
            .arg(name, Offset(d.offset), Value(english, d.before), Value(english, d.after), Value(english, *d.shown));
    return QStringLiteral("%1: %2 -> %3").arg(name, Value(english, d.before), Value(english, d.after));
}

int RunDiff(const Arguments& args) {
    const auto a = LoadImageFile(args.Operands().at(0));
    const auto b = LoadImageFile(args.Operands().at(1));
    if (!a || !b) return kFileError;
    // The fields are named as the files' model names them.
    QString error;
    const ModelRules* model = ChooseModel(args, args.Operands(), error);
    if (!model && args.Has(QStringLiteral("model"))) return UsageError(QStringLiteral("diff"), error);
    const TranslatedTexts english = EnglishTexts(model ? *model : *Models().front());
    const auto differences = CompareImages(*a, *b);
    for (const FieldDifference& d : differences) Print(DifferenceLine(english.Report(), d));
    return differences.empty() ? kSuccess : kFailed;
}

}  // namespace rk::cli
