// show: the settings and a table of the channels.

#include <QStringList>

#include "Cli.h"
#include "Commands.h"
#include "Conversions.h"
#include "Files.h"
#include "Formats.h"
#include "ImageDiff.h"
#include "Show.h"

namespace rk::cli {

namespace {

QString ScanGroupText(const ConstSettingsBlock& settings, ScanGroup group) {
    QStringList members;
    for (const std::uint8_t slot : settings.scanGroup(group)) {
        if (slot == kEmptySlot) break;
        members << (slot < kChannelCount ? ChannelNumber(slot) : QStringLiteral("0x%1").arg(slot, 2, 16, QLatin1Char('0')));
    }
    return members.isEmpty() ? QStringLiteral("-") : members.join(QLatin1Char(' '));
}

QString OptionsText(const ConstChannelRecord& record) {
    QStringList options;
    if (record.HasCodeFlag(kTxInhibit)) options << QStringLiteral("tx inhibit");
    const struct {
        std::uint8_t bit;
        const char* name;
    } bits[] = {{kScrambler, "scrambler"}, {kBeatShift, "beat shift"}, {kTalkaround, "talkaround"},
                {kReverse, "reverse"},     {kRepeater, "repeater"}};
    for (const auto& bit : bits)
        if (record.HasOption(bit.bit)) options << QString::fromLatin1(bit.name);
    if (record.repeaterDelay() != 0)
        options << QStringLiteral("delay %1 s").arg(QString::fromStdString(FormatNumber(TenthsToValue(record.repeaterDelay()))));
    return options.isEmpty() ? QStringLiteral("-") : options.join(QStringLiteral(", "));
}

}  // namespace

// Rows of cells, each column as wide as its widest cell.
QString Columns(const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths << 0;
            widths[i] = std::max(widths[i], row[i].size());
        }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += i + 1 < row.size() ? row[i].leftJustified(widths[i] + 2) : row[i];
        text += line + QLatin1Char('\n');
    }
    return text;
}

bool InScanGroup(const RadioImage& image, ScanGroup group, int c) {
    for (const std::uint8_t slot : image.Settings().scanGroup(group))
        if (slot == c) return true;
    return false;
}

QString ShowText(const RadioImage& image, bool allChannels) {
    const ConstSettingsBlock settings = image.Settings();
    const std::int64_t low = BandLowToMhz(settings.bandLow());
    const int configured = image.ConfiguredChannelCount();

    QString text = Columns({
        {QStringLiteral("Band:"), QStringLiteral("%1-%2 MHz").arg(low).arg(ShownBandHigh(low))},
        {QStringLiteral("Time limit:"),
         QStringLiteral("%1 min").arg(QString::fromStdString(FormatNumber(TenthsToValue(settings.totLimit()))))},
        {QStringLiteral("Scan group A:"), ScanGroupText(settings, ScanGroup::A)},
        {QStringLiteral("Scan group B:"), ScanGroupText(settings, ScanGroup::B)},
        {QStringLiteral("Channels:"), QStringLiteral("%1 configured").arg(configured)},
    });

    QList<QStringList> rows{{QStringLiteral("Ch"), QStringLiteral("Receive"), QStringLiteral("Transmit"),
                             QStringLiteral("Rx code"), QStringLiteral("Tx code"), QStringLiteral("Power"),
                             QStringLiteral("Sq"), QStringLiteral("Scan"), QStringLiteral("Options")}};
    for (int c = 0; c < kChannelCount; ++c) {
        if (!allChannels && !image.IsChannelConfigured(c)) continue;
        const ConstChannelRecord record = image.Channel(c);
        QString scan;
        if (InScanGroup(image, ScanGroup::A, c)) scan += QLatin1Char('A');
        if (InScanGroup(image, ScanGroup::B, c)) scan += QLatin1Char('B');
        rows << QStringList{ChannelNumber(c),
                            MhzText(record.rxFreqSigned()),
                            MhzText(record.txFreqSigned()),
                            QString::fromStdString(CodeText(record, Side::Receive)),
                            QString::fromStdString(CodeText(record, Side::Transmit)),
                            record.HasOption(kLowPower) ? QStringLiteral("Low") : QStringLiteral("High"),
                            QString::number(record.squelchLevel()),
                            scan.isEmpty() ? QStringLiteral("-") : scan,
                            OptionsText(record)};
    }
    return text + QLatin1Char('\n') + Columns(rows);
}

int RunShow(const Arguments& args) {
    const QString path = args.Operands().first();
    const auto image = LoadImageFile(path);
    if (!image) return kFileError;
    const QByteArray out = args.Has(QStringLiteral("json")) ? ShowJson(*image, path)
                                                            : ShowText(*image, args.Has(QStringLiteral("all"))).toUtf8();
    return SaveTextFile({}, out) ? kSuccess : kFileError;
}

}  // namespace rk::cli
