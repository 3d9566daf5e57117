// show --json: every field of the image, every channel, the spare bytes in
// hex, as one JSON document. Keys name their unit or numbering where a
// value has one: frequencies in Hz, channels counted from 1, stored bytes as
// "...Byte" or "...Tenths".

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
        {QStringLiteral("channelFrom1"), c + 1},
        {QStringLiteral("configured"), image.IsChannelConfigured(c)},
        {QStringLiteral("rxHz"), static_cast<qint64>(r.rxFreqSigned()) * 10},
        {QStringLiteral("rxMHz"), MhzText(r.rxFreqSigned())},
        {QStringLiteral("txHz"), static_cast<qint64>(r.txFreqSigned()) * 10},
        {QStringLiteral("txMHz"), MhzText(r.txFreqSigned())},
        {QStringLiteral("rxCode"), QString::fromStdString(CodeText(r, Side::Receive))},
        {QStringLiteral("txCode"), QString::fromStdString(CodeText(r, Side::Transmit))},
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
        {QStringLiteral("repeaterDelayTenths"), r.repeaterDelay()},
        {QStringLiteral("repeaterDelaySeconds"), Tenths(r.repeaterDelay())},
        {QStringLiteral("scanA"), InScanGroup(image, ScanGroup::A, c)},
        {QStringLiteral("scanB"), InScanGroup(image, ScanGroup::B, c)},
        {QStringLiteral("spare"), Hex(r.Bytes().subspan(14, 2))},
    };
}

// Each slot's channel counted from 1, null for an empty slot.
QJsonArray Slots(std::span<const std::uint8_t, kScanGroupSlots> group) {
    QJsonArray array;
    for (const std::uint8_t slot : group) array.append(slot == kEmptySlot ? QJsonValue() : QJsonValue(slot + 1));
    return array;
}

QJsonObject Settings(const ConstSettingsBlock& s) {
    const auto bytes = s.Bytes();
    return QJsonObject{
        {QStringLiteral("lastUsedChannelFrom1"), s.lastUsedChannel() + 1},
        {QStringLiteral("settingsByte1"), s.settingsByte1()},
        {QStringLiteral("totLimitTenths"), s.totLimit()},
        {QStringLiteral("totMinutes"), Tenths(s.totLimit())},
        {QStringLiteral("bandLowHz"), static_cast<qint64>(s.bandLow()) * 40},
        {QStringLiteral("bandLowMHz"), static_cast<qint64>(BandLowToMhz(s.bandLow()))},
        {QStringLiteral("scanGroupAFrom1"), Slots(s.scanGroupA())},
        {QStringLiteral("scanGroupBFrom1"), Slots(s.scanGroupB())},
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
