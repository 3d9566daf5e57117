#include "ImageDiff.h"

#include <array>
#include <cstdio>
#include <functional>

#include "Conversions.h"
#include "SquelchCodes.h"

namespace rk {
namespace {

std::string HexByte(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string FrequencyText(std::int32_t count) { return FormatNumber(FreqToMhz(count)); }

std::string ScanGroupText(std::span<const std::uint8_t, kScanGroupSlots> slots) {
    std::string text;
    for (const std::uint8_t slot : slots) {
        if (slot == kEmptySlot) break;
        if (!text.empty()) text += ' ';
        if (slot < kChannelCount) {
            char number[4];
            std::snprintf(number, sizeof number, "%02d", slot + 1);
            text += number;
        } else {
            text += HexByte(slot);
        }
    }
    return text.empty() ? "-" : text;
}

std::string BitmapText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) text += HexByte(b).substr(2);
    return text;
}

// One named field: where its bits are, and how its value reads.
struct ChannelField {
    DiffField field;
    std::size_t byte;  // within the record
    std::uint8_t mask;
    std::function<std::string(const ConstChannelRecord&)> text;
};

const std::vector<ChannelField>& ChannelFields() {
    static const std::vector<ChannelField> fields = [] {
        std::vector<ChannelField> f;
        const auto option = [&f](DiffField field, std::size_t byte, std::uint8_t mask) {
            f.push_back({field, byte, mask, [byte, mask](const ConstChannelRecord& r) {
                             return (r.Bytes()[byte] & mask) ? std::string("1") : std::string("0");
                         }});
        };
        for (std::size_t b = 0; b < 4; ++b)
            f.push_back({DiffField::RxFrequency, b, 0xFF, [](const ConstChannelRecord& r) { return FrequencyText(r.rxFreqSigned()); }});
        f.push_back({DiffField::RxCode, 4, 0xFF, [](const ConstChannelRecord& r) { return CodeText(r, true); }});
        f.push_back({DiffField::RxCode, 10, kRxCodeOn | kRxCodeIsQt, [](const ConstChannelRecord& r) { return CodeText(r, true); }});
        for (std::size_t b = 5; b < 9; ++b)
            f.push_back({DiffField::TxFrequency, b, 0xFF, [](const ConstChannelRecord& r) { return FrequencyText(r.txFreqSigned()); }});
        f.push_back({DiffField::TxCode, 9, 0xFF, [](const ConstChannelRecord& r) { return CodeText(r, false); }});
        f.push_back({DiffField::TxCode, 10, kTxCodeOn | kTxCodeIsQt, [](const ConstChannelRecord& r) { return CodeText(r, false); }});
        option(DiffField::TxInhibit, 10, kTxInhibit);
        f.push_back({DiffField::Power, 11, kLowPower,
                     [](const ConstChannelRecord& r) { return std::string(r.HasOption(kLowPower) ? "Low" : "High"); }});
        option(DiffField::BeatShift, 11, kBeatShift);
        option(DiffField::Talkaround, 11, kTalkaround);
        option(DiffField::Repeater, 11, kRepeater);
        option(DiffField::Reverse, 11, kReverse);
        option(DiffField::Scrambler, 11, kScrambler);
        f.push_back({DiffField::SquelchLevel, 12, 0xFF,
                     [](const ConstChannelRecord& r) { return std::to_string(r.squelchLevel()); }});
        f.push_back({DiffField::RepeaterDelay, 13, 0xFF,
                     [](const ConstChannelRecord& r) { return FormatNumber(TenthsToValue(r.repeaterDelay())); }});
        return f;
    }();
    return fields;
}

bool IsOption(DiffField field) {
    switch (field) {
    case DiffField::TxInhibit:
    case DiffField::BeatShift:
    case DiffField::Talkaround:
    case DiffField::Repeater:
    case DiffField::Reverse:
    case DiffField::Scrambler: return true;
    default: return false;
    }
}

FieldDifference Make(DiffField field, int channel, std::size_t offset, std::string before, std::string after,
                     bool option = false) {
    FieldDifference d;
    d.field = field;
    d.channel = channel;
    d.offset = offset;
    d.before = std::move(before);
    d.after = std::move(after);
    d.isOption = option;
    return d;
}

std::string ChannelNumberText(std::uint8_t channel) {
    if (channel >= kChannelCount) return HexByte(channel);
    char number[4];
    std::snprintf(number, sizeof number, "%02d", channel + 1);
    return number;
}

// Adds a difference once per field, however many of its bytes differ. A
// field that shows the same either way is reported byte by byte, as the
// bytes that differ.
void Add(std::vector<FieldDifference>& out, FieldDifference d, std::uint8_t byteBefore, std::uint8_t byteAfter) {
    if (d.field != DiffField::Byte && d.before == d.after) {
        d.sameShown = true;
        d.shown = d.before;
        d.isOption = false;
        d.before = HexByte(byteBefore);
        d.after = HexByte(byteAfter);
        out.push_back(std::move(d));
        return;
    }
    for (const auto& seen : out)
        if (seen.field == d.field && seen.channel == d.channel && d.field != DiffField::Byte && !seen.sameShown) return;
    out.push_back(std::move(d));
}

void CompareChannel(const RadioImage& a, const RadioImage& b, int c, std::vector<FieldDifference>& out) {
    const ConstChannelRecord ra = a.Channel(c);
    const ConstChannelRecord rb = b.Channel(c);
    const std::size_t base = static_cast<std::size_t>(c) * kRecordSize;
    for (std::size_t byte = 0; byte < kRecordSize; ++byte) {
        std::uint8_t differing = ra.Bytes()[byte] ^ rb.Bytes()[byte];
        if (!differing) continue;
        for (const ChannelField& field : ChannelFields()) {
            if (field.byte != byte || !(differing & field.mask)) continue;
            differing = static_cast<std::uint8_t>(differing & ~field.mask);
            Add(out, Make(field.field, c, base + byte, field.text(ra), field.text(rb), IsOption(field.field)),
                ra.Bytes()[byte], rb.Bytes()[byte]);
        }
        if (differing)
            Add(out, Make(DiffField::Byte, -1, base + byte, HexByte(ra.Bytes()[byte]), HexByte(rb.Bytes()[byte])),
                ra.Bytes()[byte], rb.Bytes()[byte]);
    }
}

void CompareSettings(const RadioImage& a, const RadioImage& b, std::vector<FieldDifference>& out) {
    const ConstSettingsBlock sa = a.Settings();
    const ConstSettingsBlock sb = b.Settings();
    for (std::size_t byte = 0; byte < kSettingsSize; ++byte) {
        const std::uint8_t x = sa.Bytes()[byte];
        const std::uint8_t y = sb.Bytes()[byte];
        if (x == y) continue;
        const std::size_t offset = kSettingsOffset + byte;
        const auto add = [&](DiffField field, std::size_t at, std::string before, std::string after) {
            Add(out, Make(field, -1, at, std::move(before), std::move(after)), x, y);
        };
        const auto multi = [&](DiffField field, std::size_t first, std::string before, std::string after) {
            // Reported where the field starts, unless it shows the same.
            add(field, before == after ? offset : kSettingsOffset + first, std::move(before), std::move(after));
        };
        if (byte == 0)
            add(DiffField::LastUsedChannel, offset, ChannelNumberText(x), ChannelNumberText(y));
        else if (byte == 2)
            add(DiffField::TotLimit, offset, FormatNumber(TenthsToValue(x)), FormatNumber(TenthsToValue(y)));
        else if (byte >= 3 && byte < 6)
            multi(DiffField::Band, 3, std::to_string(BandLowToMhz(sa.bandLow())), std::to_string(BandLowToMhz(sb.bandLow())));
        else if (byte >= 16 && byte < 32)
            multi(DiffField::ScanGroupA, 16, ScanGroupText(sa.scanGroupA()), ScanGroupText(sb.scanGroupA()));
        else if (byte >= 32 && byte < 48)
            multi(DiffField::ScanGroupB, 32, ScanGroupText(sa.scanGroupB()), ScanGroupText(sb.scanGroupB()));
        else if (byte >= 48 && byte < 56)
            multi(DiffField::ChannelBitmap, 48, BitmapText(sa.Bytes().subspan(48, 8)), BitmapText(sb.Bytes().subspan(48, 8)));
        else
            add(DiffField::Byte, offset, HexByte(x), HexByte(y));
    }
}

}  // namespace

std::string CodeText(const ConstChannelRecord& record, bool receive) {
    const bool on = record.HasCodeFlag(receive ? kRxCodeOn : kTxCodeOn);
    const bool tone = record.HasCodeFlag(receive ? kRxCodeIsQt : kTxCodeIsQt);
    const std::uint8_t byte = receive ? record.rxCode() : record.txCode();
    const DecodedSquelch decoded = DecodeSquelchCode(on, tone, byte);
    if (decoded.table == CodeTable::None) return "-";
    if (!decoded.position) return HexByte(byte);
    const auto at = static_cast<std::size_t>(*decoded.position);
    return decoded.table == CodeTable::Tone ? ToneTexts()[at] : DcsTexts()[at];
}

std::vector<FieldDifference> CompareImages(const RadioImage& before, const RadioImage& after) {
    std::vector<FieldDifference> out;
    for (int c = 0; c < kChannelCount; ++c) CompareChannel(before, after, c, out);
    CompareSettings(before, after, out);
    return out;
}

}  // namespace rk
