#include "ChannelTableColumns.h"

#include <QCoreApplication>
#include <cmath>

#include "CodeTableTexts.h"
#include "Conversions.h"
#include "ImageDiff.h"
#include "SquelchCodes.h"
#include "TransferReport.h"

namespace rk {

namespace {

QString Text(const ModelProfile& profile, const char* utf8) {
    return QCoreApplication::translate(profile.rules.programName, utf8);
}

enum class Kind { Frequency, Code, Power, Squelch, Delay, YesNo };

Kind KindOf(ChannelColumn column) {
    switch (FieldInfo(column).kind) {
    case FieldKind::Frequency: return Kind::Frequency;
    case FieldKind::Code: return Kind::Code;
    case FieldKind::Power: return Kind::Power;
    case FieldKind::Level: return Kind::Squelch;
    case FieldKind::Tenths: return Kind::Delay;
    case FieldKind::Option:
    case FieldKind::ScanGroup: break;
    }
    return Kind::YesNo;
}

std::optional<double> Number(const ModelProfile& profile, const QString& text) {
    const QByteArray utf8 = text.left(static_cast<qsizetype>(kNumberTextLimit)).toUtf8();
    return ParseNumber(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                       profile.rules.acceptsDecimalComma);
}

}  // namespace

std::vector<ChannelColumn> TableColumns(const ModelProfile& profile) {
    std::vector<ChannelColumn> columns{ChannelColumn::RxFrequency, ChannelColumn::TxFrequency, ChannelColumn::RxCode,
                                       ChannelColumn::TxCode,      ChannelColumn::Power,       ChannelColumn::SquelchLevel,
                                       ChannelColumn::Scrambler,   ChannelColumn::BeatShift,   ChannelColumn::Repeater};
    if (profile.hasReverse) columns.push_back(ChannelColumn::Reverse);
    if (profile.hasTalkaround) columns.push_back(ChannelColumn::Talkaround);
    if (profile.hasTxInhibit) columns.push_back(ChannelColumn::TxInhibit);
    columns.insert(columns.end(), {ChannelColumn::RepeaterDelay, ChannelColumn::ScanGroupA, ChannelColumn::ScanGroupB});
    return columns;
}

QString ColumnHeading(const ModelProfile& profile, ChannelColumn column) {
    return Text(profile, ReportFieldName(profile.texts.report, FieldInfo(column).diff));
}

QStringList CellChoices(const ModelProfile& profile, ChannelColumn column) {
    const EditorTexts& e = profile.editor;
    switch (KindOf(column)) {
    case Kind::Code: return QStringList{Text(profile, e.codeNone)} + ToneEntries() + DcsEntries();
    case Kind::Power: return {Text(profile, e.powerHigh), Text(profile, e.powerLow)};
    case Kind::YesNo: return {Text(profile, e.optionNo), Text(profile, e.optionYes)};
    default: return {};
    }
}

QString CellText(const ModelProfile& profile, const RadioImage& image, int channel, ChannelColumn column) {
    const ColumnValue value = ReadColumn(image, channel, column);
    switch (KindOf(column)) {
    case Kind::Frequency: return QString::fromStdString(FormatNumber(FreqToMhz(static_cast<std::int32_t>(value.number))));
    case Kind::Squelch: return QString::number(value.number);
    case Kind::Delay: return QString::fromStdString(FormatNumber(TenthsToValue(static_cast<std::uint8_t>(value.number))));
    case Kind::Code:
        if (!value.codeListed) return QString::fromStdString(HexText(static_cast<std::uint8_t>(value.number)));
        if (value.codeType == kCodeTypeQt) return ToneEntries().value(value.codePosition);
        if (value.codeType == kCodeTypeDqt) return DcsEntries().value(value.codePosition);
        return Text(profile, profile.editor.codeNone);
    case Kind::Power:
    case Kind::YesNo: return CellChoices(profile, column).value(value.on ? 1 : 0);
    }
    return {};
}

CellInput ParseCell(const ModelProfile& profile, ChannelColumn column, const QString& text) {
    const QString typed = text.trimmed();
    const Kind kind = KindOf(column);
    const QString outOfRange = RefusalText(profile, ColumnRefusal::OutOfRange);
    ColumnValue value;
    if (kind == Kind::Frequency || kind == Kind::Squelch || kind == Kind::Delay) {
        const auto number = Number(profile, typed);
        if (!number) return {std::nullopt, Text(profile, profile.editor.numberRequired)};
        if (kind == Kind::Frequency) {
            const double highestMhz = static_cast<double>(FieldInfo(column).max) / kCountsPerMhz;
            if (*number < 0 || *number > highestMhz) return {std::nullopt, outOfRange};
            value.number = MhzToFreq(*number);
        } else if (kind == Kind::Delay) {
            // The form's conversion: finer digits dropped, refused past the byte.
            const auto tenths = TenthsThatFit(*number);
            if (!tenths) return {std::nullopt, outOfRange};
            value.number = *tenths;
        } else {
            if (*number < 0 || *number > static_cast<double>(FieldInfo(column).max) || std::floor(*number) != *number) return {std::nullopt, outOfRange};
            value.number = static_cast<std::int64_t>(*number);
        }
        return {value, {}};
    }
    const QStringList choices = CellChoices(profile, column);
    const auto at = choices.indexOf(typed);
    const qsizetype row = at >= 0 ? at : [&] {
        for (qsizetype i = 0; i < choices.size(); ++i)
            if (choices[i].compare(typed, Qt::CaseInsensitive) == 0) return i;
        return qsizetype{-1};
    }();
    if (row < 0) return {std::nullopt, Text(profile, profile.tableView.notInList)};
    if (kind == Kind::Code) {
        const int entry = static_cast<int>(row);
        value.codeType = entry == 0 ? kCodeTypeNone : entry <= kToneCount ? kCodeTypeQt : kCodeTypeDqt;
        value.codePosition = entry == 0 ? 0 : entry <= kToneCount ? entry - 1 : entry - 1 - kToneCount;
    } else {
        value.on = row == 1;
    }
    return {value, {}};
}

QString RefusalText(const ModelProfile& profile, ColumnRefusal refusal) {
    const ChannelTableViewTexts& t = profile.tableView;
    switch (refusal) {
    case ColumnRefusal::OutOfRange: return Text(profile, t.outOfRange);
    case ColumnRefusal::OptionExcluded: return Text(profile, t.optionExcluded);
    case ColumnRefusal::GroupFull: return Text(profile, profile.channelTable.reasons.scanGroupFull);
    case ColumnRefusal::NeedsFrequency: return Text(profile, t.needsFrequency);
    }
    return {};
}

QString CellRefusedText(const ModelProfile& profile, int channel, ChannelColumn column, const QString& reason) {
    const QString channelText =
        Text(profile, profile.texts.report.channel).arg(QString::fromStdString(ChannelNumberText(channel)));
    const QString where =
        Text(profile, profile.texts.report.channelField).arg(channelText, ColumnHeading(profile, column));
    return Text(profile, profile.tableView.cellRefused).arg(where, reason);
}

}  // namespace rk
