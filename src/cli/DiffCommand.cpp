// diff: the differences between two images, field by field.

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "Formats.h"
#include "Conversions.h"
#include "ImageDiff.h"

namespace rk::cli {

namespace {

QString FieldName(DiffField field) {
    switch (field) {
    case DiffField::RxFrequency: return QStringLiteral("rx frequency");
    case DiffField::TxFrequency: return QStringLiteral("tx frequency");
    case DiffField::RxCode: return QStringLiteral("rx code");
    case DiffField::TxCode: return QStringLiteral("tx code");
    case DiffField::SquelchLevel: return QStringLiteral("squelch level");
    case DiffField::RepeaterDelay: return QStringLiteral("repeater delay");
    case DiffField::Power: return QStringLiteral("power");
    case DiffField::TxInhibit: return QStringLiteral("tx inhibit");
    case DiffField::BeatShift: return QStringLiteral("beat shift");
    case DiffField::Talkaround: return QStringLiteral("talkaround");
    case DiffField::Repeater: return QStringLiteral("repeater");
    case DiffField::Reverse: return QStringLiteral("reverse");
    case DiffField::Scrambler: return QStringLiteral("scrambler");
    case DiffField::Band: return QStringLiteral("band");
    case DiffField::TotLimit: return QStringLiteral("time limit");
    case DiffField::ScanGroupA: return QStringLiteral("scan group A");
    case DiffField::ScanGroupB: return QStringLiteral("scan group B");
    case DiffField::LastUsedChannel: return QStringLiteral("last used channel");
    case DiffField::ChannelBitmap: return QStringLiteral("channel bitmap");
    case DiffField::Byte: break;
    }
    return QStringLiteral("byte");
}

QString Value(const FieldDifference& d, const std::string& text) {
    if (d.isOption) return text == "1" ? QStringLiteral("on") : QStringLiteral("off");
    return QString::fromStdString(text);
}

// Frequencies with the four decimals that show and the rest of rkradio use.
QString Frequency(const std::string& text) {
    const auto mhz = ParseNumber(text);
    return mhz ? MhzText(MhzToFreq(*mhz)) : QString::fromStdString(text);
}

}  // namespace

QString DifferenceLine(const FieldDifference& d) {
    if (d.field == DiffField::Byte)
        return QStringLiteral("byte 0x%1: %2 -> %3")
            .arg(QString::number(d.offset, 16).toUpper(), QString::fromStdString(d.before), QString::fromStdString(d.after));
    const bool channelField = d.channel >= 0 && d.channel < kChannelCount;
    const QString name = channelField ? QStringLiteral("channel %1 %2").arg(ChannelNumber(d.channel), FieldName(d.field))
                                      : FieldName(d.field);
    if (d.sameShown)
        return QStringLiteral("%1, byte 0x%2: %3 -> %4 (shows %5 either way)")
            .arg(name, QString::number(d.offset, 16).toUpper(), QString::fromStdString(d.before),
                 QString::fromStdString(d.after), Value(d, d.shown));
    const bool frequency = channelField && (d.field == DiffField::RxFrequency || d.field == DiffField::TxFrequency);
    return QStringLiteral("%1: %2 -> %3")
        .arg(name, frequency ? Frequency(d.before) : Value(d, d.before), frequency ? Frequency(d.after) : Value(d, d.after));
}

int RunDiff(const Arguments& args) {
    const auto a = LoadImageFile(args.Operands().at(0));
    const auto b = LoadImageFile(args.Operands().at(1));
    if (!a || !b) return kFileError;
    const auto differences = CompareImages(*a, *b);
    for (const FieldDifference& d : differences) Print(DifferenceLine(d));
    return differences.empty() ? kSuccess : kFailed;
}

}  // namespace rk::cli
