// show --json: every field of the image, every channel, the spare bytes in
// hex, as one JSON document.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Conversions.h"
#include "Formats.h"
#include "ImageDiff.h"
#include "Show.h"

namespace rk::cli {

namespace {

QString Hex(std::span<const std::uint8_t> bytes) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex());
}

QString Tenths(std::uint8_t tenths) { return QString::fromStdString(FormatNumber(TenthsToValue(tenths))); }

QJsonObject Channel(const RadioImage& image, int c) {
    const ConstChannelRecord r = image.Channel(c);
    return QJsonObject{
        {QStringLiteral("channel"), c + 1},
        {QStringLiteral("configured"), image.IsChannelConfigured(c)},
        {QStringLiteral("rxFreq"), static_cast<qint64>(r.rxFreqSigned())},
        {QStringLiteral("rxMHz"), MhzText(r.rxFreqSigned())},
        {QStringLiteral("txFreq"), static_cast<qint64>(r.txFreqSigned())},
        {QStringLiteral("txMHz"), MhzText(r.txFreqSigned())},
        {QStringLiteral("rxCode"), QString::fromStdString(CodeText(r, true))},
        {QStringLiteral("txCode"), QString::fromStdString(CodeText(r, false))},
        {QStringLiteral("rxCodeByte"), r.rxCode()},
        {QStringLiteral("txCodeByte"), r.txCode()},
        {QStringLiteral("codeFlags"), r.codeFlags()},
        {QStringLiteral("optionFlags"), r.optionFlags()},
        {QStringLiteral("txInhibit"), r.HasCodeFlag(kTxInhibit)},
        {QStringLiteral("power"), r.HasOption(kLowPower) ? QStringLiteral("Low") : QStringLiteral("High")},
        {QStringLiteral("scrambler"), r.HasOption(kScrambler)},
        {QStringLiteral("beatShift"), r.HasOption(kBeatShift)},
        {QStringLiteral("talkaround"), r.HasOption(kTalkaround)},
        {QStringLiteral("reverse"), r.HasOption(kReverse)},
        {QStringLiteral("repeater"), r.HasOption(kRepeater)},
        {QStringLiteral("squelchLevel"), r.squelchLevel()},
        {QStringLiteral("repeaterDelay"), r.repeaterDelay()},
        {QStringLiteral("repeaterDelaySeconds"), Tenths(r.repeaterDelay())},
        {QStringLiteral("scanA"), InScanGroup(image, ScanGroup::A, c)},
        {QStringLiteral("scanB"), InScanGroup(image, ScanGroup::B, c)},
        {QStringLiteral("spare"), Hex(r.Bytes().subspan(14, 2))},
    };
}

QJsonArray Slots(std::span<const std::uint8_t, kScanGroupSlots> group) {
    QJsonArray array;
    for (const std::uint8_t slot : group) array.append(slot);
    return array;
}

QJsonObject Settings(const ConstSettingsBlock& s) {
    const auto bytes = s.Bytes();
    return QJsonObject{
        {QStringLiteral("lastUsedChannel"), s.lastUsedChannel()},
        {QStringLiteral("settingsByte1"), s.settingsByte1()},
        {QStringLiteral("totLimit"), s.totLimit()},
        {QStringLiteral("totMinutes"), Tenths(s.totLimit())},
        {QStringLiteral("bandLow"), static_cast<qint64>(s.bandLow())},
        {QStringLiteral("bandLowMHz"), static_cast<qint64>(BandLowToMhz(s.bandLow()))},
        // Slot bytes as stored: channel indexes 0..63, 255 for an empty slot.
        {QStringLiteral("scanGroupA"), Slots(s.scanGroupA())},
        {QStringLiteral("scanGroupB"), Slots(s.scanGroupB())},
        {QStringLiteral("channelBitmap"), Hex(bytes.subspan(48, 8))},
        {QStringLiteral("spare1030"), Hex(bytes.subspan(6, 10))},
        {QStringLiteral("spare1080"), Hex(bytes.subspan(56, 8))},
    };
}

}  // namespace

QByteArray ShowJson(const RadioImage& image, const QString& path) {
    QJsonArray channels;
    for (int c = 0; c < kChannelCount; ++c) channels.append(Channel(image, c));
    const QJsonObject root{
        {QStringLiteral("file"), path},
        {QStringLiteral("settings"), Settings(image.Settings())},
        {QStringLiteral("channels"), channels},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace rk::cli
