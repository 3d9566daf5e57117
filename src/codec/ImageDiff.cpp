#include "ImageDiff.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <iterator>
#include <span>

#include "ChannelFields.h"
#include "Conversions.h"
#include "SquelchCodes.h"

namespace rk {
namespace {

// One named field of a block (a channel record or the settings): its value,
// and how to give another block's copy of it to an editable view. Which
// bytes it lives in is found out by copying, so that only the image's
// accessors know the layout.
template <typename Const, typename Mutable>
struct Field {
    DiffField field;
    std::function<FieldValue(const Const&)> value;
    std::function<void(const Const& from, const Mutable& to)> copy;
};

using ChannelField = Field<ConstChannelRecord, ChannelRecord>;
using SettingsField = Field<ConstSettingsBlock, SettingsBlock>;

// A catalogued field's stored value as the diff shows it.
FieldValue ValueOf(const ChannelFieldInfo& info, const ConstChannelRecord& record) {
    const std::int64_t stored = info.read(record);
    switch (info.kind) {
    case FieldKind::Frequency: return diff::Frequency{static_cast<std::int32_t>(stored)};
    case FieldKind::Code: return UnpackCode(stored);
    case FieldKind::Power: return diff::Power{stored != 0};
    case FieldKind::Level: return diff::Level{static_cast<int>(stored)};
    case FieldKind::Tenths: return diff::Tenths{static_cast<std::uint8_t>(stored)};
    case FieldKind::Option:
    case FieldKind::ScanGroup: break;
    }
    return diff::Switch{stored != 0};
}

// The catalogue's fields of a record, in its order; the scan groups live in
// the settings.
const std::vector<ChannelField>& ChannelFields() {
    static const std::vector<ChannelField> fields = [] {
        std::vector<ChannelField> out;
        for (const ChannelFieldInfo& info : ChannelFieldCatalogue()) {
            if (info.kind == FieldKind::ScanGroup) continue;
            out.push_back({info.diff, [&info](const ConstChannelRecord& r) { return ValueOf(info, r); },
                           [&info](const ConstChannelRecord& from, const ChannelRecord& to) {
                               info.write(to, info.read(from));
                           }});
        }
        return out;
    }();
    return fields;
}

diff::Slots SlotsOf(std::span<const std::uint8_t, kScanGroupSlots> group) {
    diff::Slots slots;
    for (const std::uint8_t slot : group) {
        if (slot == kEmptySlot) break;
        slots.entries.push_back(slot);
    }
    return slots;
}

SettingsField ScanGroupField(DiffField field, ScanGroup group) {
    return {field, [group](const ConstSettingsBlock& s) -> FieldValue { return SlotsOf(s.scanGroup(group)); },
            [group](const ConstSettingsBlock& from, const SettingsBlock& to) {
                std::ranges::copy(from.scanGroup(group), to.scanGroup(group).begin());
            }};
}

const std::vector<SettingsField>& SettingsFields() {
    static const std::vector<SettingsField> fields = {
        {DiffField::LastUsedChannel,
         [](const ConstSettingsBlock& s) -> FieldValue { return diff::Channel{s.lastUsedChannel()}; },
         [](const ConstSettingsBlock& from, const SettingsBlock& to) { to.setLastUsedChannel(from.lastUsedChannel()); }},
        {DiffField::TotLimit, [](const ConstSettingsBlock& s) -> FieldValue { return diff::Tenths{s.totLimit()}; },
         [](const ConstSettingsBlock& from, const SettingsBlock& to) { to.setTotLimit(from.totLimit()); }},
        {DiffField::Band,
         [](const ConstSettingsBlock& s) -> FieldValue { return diff::BandEdge{BandLowToMhz(s.bandLow())}; },
         [](const ConstSettingsBlock& from, const SettingsBlock& to) { to.setBandLow(from.bandLow()); }},
        ScanGroupField(DiffField::ScanGroupA, ScanGroup::A),
        ScanGroupField(DiffField::ScanGroupB, ScanGroup::B),
        {DiffField::ChannelBitmap,
         [](const ConstSettingsBlock& s) -> FieldValue {
             std::uint64_t bits = 0;
             for (int c = 0; c < kChannelCount; ++c)
                 if (s.ChannelBit(c)) bits |= std::uint64_t{1} << c;
             return diff::ChannelMap{bits};
         },
         [](const ConstSettingsBlock& from, const SettingsBlock& to) {
             for (int c = 0; c < kChannelCount; ++c) to.SetChannelBit(c, from.ChannelBit(c));
         }},
    };
    return fields;
}

// Whether two values of one field look the same where the field is shown.
bool ShowsSame(const FieldValue& a, const FieldValue& b) {
    const auto* codeA = std::get_if<diff::Code>(&a);
    const auto* codeB = std::get_if<diff::Code>(&b);
    if (codeA && codeB) return CodeText(*codeA) == CodeText(*codeB);
    return a == b;
}

// Compares one block of `before` and `after` (views over `size` bytes that
// start at image offset `base`), field by field, then the bytes no field
// accounts for. Each field comes at the first of its bytes that differs.
template <typename Const, typename Mutable, std::size_t Size>
void CompareBlock(const Const& a, const Const& b, int channel, std::size_t base,
                  const std::vector<Field<Const, Mutable>>& fields, std::vector<FieldDifference>& out) {
    const auto bytesA = a.Bytes();
    const auto bytesB = b.Bytes();
    if (std::ranges::equal(bytesA, bytesB)) return;
    std::vector<FieldDifference> found;
    std::array<std::uint8_t, Size> all{};
    std::ranges::copy(bytesA, all.begin());
    for (const auto& field : fields) {
        std::array<std::uint8_t, Size> one{};
        std::ranges::copy(bytesA, one.begin());
        field.copy(b, Mutable(one.data()));
        field.copy(b, Mutable(all.data()));
        std::vector<std::size_t> differing;
        for (std::size_t i = 0; i < Size; ++i)
            if (one[i] != bytesA[i]) differing.push_back(i);
        if (differing.empty()) continue;
        FieldValue va = field.value(a);
        FieldValue vb = field.value(b);
        if (!ShowsSame(va, vb)) {
            found.push_back({field.field, channel, base + differing.front(), std::move(va), std::move(vb), std::nullopt});
            continue;
        }
        for (const std::size_t i : differing)
            found.push_back({field.field, channel, base + i, diff::Byte{bytesA[i]}, diff::Byte{bytesB[i]}, va});
    }
    // What copying every field left different belongs to no field.
    for (std::size_t i = 0; i < Size; ++i)
        if (all[i] != bytesB[i])
            found.push_back({DiffField::Byte, -1, base + i, diff::Byte{bytesA[i]}, diff::Byte{bytesB[i]}, std::nullopt});
    std::ranges::stable_sort(found, {}, &FieldDifference::offset);
    std::ranges::move(found, std::back_inserter(out));
}

}  // namespace

std::string HexText(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string CodeText(const diff::Code& code) {
    const DecodedSquelch decoded = DecodeSquelchCode(code.on, code.isTone, code.byte);
    if (decoded.table == CodeTable::None) return "-";
    if (!decoded.position) return HexText(code.byte);
    const auto at = static_cast<std::size_t>(*decoded.position);
    return decoded.table == CodeTable::Tone ? ToneTexts()[at] : DcsTexts()[at];
}

std::string CodeText(const ConstChannelRecord& record, Side side) {
    return CodeText(diff::Code{record.code(side), record.codeOn(side), record.codeIsQt(side)});
}

std::string ChannelNumberText(int index) {
    if (index < 0 || index >= kChannelCount) return HexText(static_cast<std::uint8_t>(index));
    char number[4];
    std::snprintf(number, sizeof number, "%02d", index + 1);
    return number;
}

std::string SlotsText(const diff::Slots& slots) {
    std::string text;
    for (const std::uint8_t slot : slots.entries) {
        if (!text.empty()) text += ' ';
        text += ChannelNumberText(slot);
    }
    return text.empty() ? "-" : text;
}

std::string ChannelMapText(const diff::ChannelMap& map) {
    std::string text;
    for (int byte = 0; byte < kChannelCount / 8; ++byte)
        text += HexText(static_cast<std::uint8_t>(map.bits >> (8 * byte))).substr(2);
    return text;
}

std::vector<FieldDifference> CompareImages(const RadioImage& before, const RadioImage& after) {
    std::vector<FieldDifference> out;
    for (int c = 0; c < kChannelCount; ++c)
        CompareBlock<ConstChannelRecord, ChannelRecord, kRecordSize>(before.Channel(c), after.Channel(c), c,
                                                                     static_cast<std::size_t>(c) * kRecordSize,
                                                                     ChannelFields(), out);
    CompareBlock<ConstSettingsBlock, SettingsBlock, kSettingsSize>(before.Settings(), after.Settings(), -1,
                                                                   kSettingsOffset, SettingsFields(), out);
    return out;
}

}  // namespace rk
