#include "ChannelOperations.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "NewDocument.h"
#include "SortedSlots.h"
#include "SquelchCodes.h"

namespace rk {

namespace {

using Order = std::array<int, kChannelCount>;  // position -> old channel
using FieldInfoRef = const ChannelFieldInfo&;

std::array<bool, kChannelCount> Selected(ChannelSelection channels) {
    std::array<bool, kChannelCount> selected{};
    for (const int c : channels)
        if (c >= 0 && c < kChannelCount) selected[static_cast<std::size_t>(c)] = true;
    return selected;
}

Order Identity() {
    Order order;
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// The records in their new order; scan group slots name the channels' new
// numbers and stay ascending up to the first free slot.
RadioImage Reorder(const RadioImage& image, const Order& order) {
    if (order == Identity()) return image;
    RadioImage out = image;
    std::array<std::uint8_t, kChannelCount> newNumber{};
    for (int pos = 0; pos < kChannelCount; ++pos) {
        const int from = order[static_cast<std::size_t>(pos)];
        const auto source = image.Channel(from).Bytes();
        std::copy(source.begin(), source.end(), out.Channel(pos).Bytes().begin());
        newNumber[static_cast<std::size_t>(from)] = static_cast<std::uint8_t>(pos);
    }
    const SettingsBlock settings = out.Settings();
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        const auto slots = settings.scanGroup(group);
        bool renumbered = false;
        for (auto& slot : slots) {
            if (slot >= kChannelCount || newNumber[slot] == slot) continue;
            slot = newNumber[slot];
            renumbered = true;
        }
        if (!renumbered) continue;
        const auto end = std::find(slots.begin(), slots.end(), kEmptySlot);
        std::stable_sort(slots.begin(), end);
    }
    return out;
}

void LeaveGroups(const SettingsBlock& settings, int channel) {
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        const auto slots = settings.scanGroup(group);
        while (const auto at = FindSlot(slots, channel)) RemoveSlot(slots, *at);
    }
}

bool InGroup(const ConstSettingsBlock& settings, ScanGroup group, int channel) {
    return FindSlot(settings.scanGroup(group), channel).has_value();
}

ScanGroup GroupOf(ChannelColumn column) { return column == ChannelColumn::ScanGroupA ? ScanGroup::A : ScanGroup::B; }

std::optional<ChannelOption> OptionOf(ChannelColumn column) {
    switch (column) {
    case ChannelColumn::Scrambler: return ChannelOption::Scrambler;
    case ChannelColumn::BeatShift: return ChannelOption::BeatShift;
    case ChannelColumn::Repeater: return ChannelOption::Repeater;
    case ChannelColumn::Reverse: return ChannelOption::Reverse;
    case ChannelColumn::Talkaround: return ChannelOption::Talkaround;
    case ChannelColumn::TxInhibit: return ChannelOption::TxInhibit;
    default: return std::nullopt;
    }
}

ColumnValue ReadCode(std::int64_t packed) {
    const diff::Code code = UnpackCode(packed);
    const DecodedSquelch decoded = DecodeSquelchCode(code.on, code.isTone, code.byte);
    ColumnValue value;
    value.codeType = decoded.typePosition;
    value.codePosition = decoded.position.value_or(0);
    value.codeListed = decoded.table == CodeTable::None || decoded.position.has_value();
    value.number = code.byte;
    return value;
}

// The side's bits and byte as the form's type and code lists set them.
std::optional<ColumnRefusal> WriteCode(const ChannelRecord& record, bool receive, const ColumnValue& value) {
    const std::uint8_t on = receive ? kRxCodeOn : kTxCodeOn;
    const std::uint8_t tone = receive ? kRxCodeIsQt : kTxCodeIsQt;
    if (value.codeType == kCodeTypeNone) {
        record.SetCodeFlag(on, false);
        return std::nullopt;
    }
    const bool isTone = value.codeType == kCodeTypeQt;
    const int entries = isTone ? kToneCount : kDcsEntryCount;
    if (value.codeType != kCodeTypeDqt && !isTone) return ColumnRefusal::OutOfRange;
    if (value.codePosition < 0 || value.codePosition >= entries) return ColumnRefusal::OutOfRange;
    const std::uint8_t byte = EncodeSquelchCode(true, isTone, value.codePosition);
    record.SetCodeFlag(on, true);
    record.SetCodeFlag(tone, isTone);
    receive ? record.setRxCode(byte) : record.setTxCode(byte);
    return std::nullopt;
}

}  // namespace

RadioImage ClearChannels(const RadioImage& image, ChannelSelection channels) {
    const RadioImage blank = NewDocumentImage();
    RadioImage out = image;
    const auto selected = Selected(channels);
    for (int c = 0; c < kChannelCount; ++c) {
        if (!selected[static_cast<std::size_t>(c)]) continue;
        const auto source = blank.Channel(c).Bytes();
        std::copy(source.begin(), source.end(), out.Channel(c).Bytes().begin());
        LeaveGroups(out.Settings(), c);
    }
    return out;
}

MovedChannels MoveChannels(const RadioImage& image, ChannelSelection channels, MoveDirection direction) {
    const auto selected = Selected(channels);
    Order order = Identity();
    const auto isSelected = [&](int pos) { return selected[static_cast<std::size_t>(order[static_cast<std::size_t>(pos)])]; };
    const auto swap = [&](int a, int b) { std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]); };
    // Walking from the end it moves towards, a selected record passes only
    // an unselected neighbour, so a block stops at the first or last channel.
    if (direction == MoveDirection::Up) {
        for (int pos = 1; pos < kChannelCount; ++pos)
            if (isSelected(pos) && !isSelected(pos - 1)) swap(pos - 1, pos);
    } else {
        for (int pos = kChannelCount - 2; pos >= 0; --pos)
            if (isSelected(pos) && !isSelected(pos + 1)) swap(pos, pos + 1);
    }
    MovedChannels moved{Reorder(image, order), {}};
    for (int pos = 0; pos < kChannelCount; ++pos)
        if (isSelected(pos)) moved.channels.push_back(pos);
    return moved;
}

RadioImage SortByReceiveFrequency(const RadioImage& image, ChannelSelection channels) {
    const auto selected = Selected(channels);
    std::vector<int> places;
    for (int c = 0; c < kChannelCount; ++c)
        if (selected[static_cast<std::size_t>(c)]) places.push_back(c);
    if (places.size() <= 1) {
        places.resize(kChannelCount);
        std::iota(places.begin(), places.end(), 0);
    }
    std::vector<int> records = places;
    std::stable_sort(records.begin(), records.end(), [&](int a, int b) {
        const bool ca = image.IsChannelConfigured(a);
        const bool cb = image.IsChannelConfigured(b);
        if (ca != cb) return ca;
        return ca && image.Channel(a).rxFreqSigned() < image.Channel(b).rxFreqSigned();
    });
    Order order = Identity();
    for (std::size_t i = 0; i < places.size(); ++i) order[static_cast<std::size_t>(places[i])] = records[i];
    return Reorder(image, order);
}

ColumnValue ReadColumn(const RadioImage& image, int channel, ChannelColumn column) {
    FieldInfoRef info = FieldInfo(column);
    ColumnValue value;
    if (info.kind == FieldKind::ScanGroup) {
        value.on = InGroup(image.Settings(), GroupOf(column), channel);
        return value;
    }
    const std::int64_t stored = info.read(image.Channel(channel));
    switch (info.kind) {
    case FieldKind::Code: return ReadCode(stored);
    case FieldKind::Power:
    case FieldKind::Option: value.on = stored != 0; break;
    default: value.number = stored; break;
    }
    return value;
}

std::optional<ColumnRefusal> SetColumn(RadioImage& image, int channel, ChannelColumn column, const ColumnValue& value,
                                       bool hasTxInhibit) {
    if (channel < 0 || channel >= kChannelCount) return ColumnRefusal::OutOfRange;
    FieldInfoRef info = FieldInfo(column);
    const ChannelRecord record = image.Channel(channel);
    switch (info.kind) {
    case FieldKind::Frequency:
    case FieldKind::Level:
    case FieldKind::Tenths:
        if (value.number < 0 || value.number > info.max) return ColumnRefusal::OutOfRange;
        // A receive frequency typed where there is no transmit frequency makes
        // a simplex channel, which is then in use.
        if (column == ChannelColumn::RxFrequency && record.txFreq() == 0)
            FieldInfo(ChannelColumn::TxFrequency).write(record, value.number);
        info.write(record, value.number);
        return std::nullopt;
    case FieldKind::Code: return WriteCode(record, column == ChannelColumn::RxCode, value);
    case FieldKind::Power: info.write(record, value.on ? 1 : 0); return std::nullopt;
    case FieldKind::ScanGroup: {
        const auto slots = image.Settings().scanGroup(GroupOf(column));
        if (!value.on) {
            while (const auto at = FindSlot(slots, channel)) RemoveSlot(slots, *at);
            return std::nullopt;
        }
        if (FindSlot(slots, channel)) return std::nullopt;
        if (record.rxFreq() == 0 || record.txFreq() == 0) return ColumnRefusal::NeedsFrequency;
        if (slots.back() != kEmptySlot) return ColumnRefusal::GroupFull;
        InsertSorted(slots, channel);
        return std::nullopt;
    }
    case FieldKind::Option: break;
    }
    // The options go through the form's rules of which exclude which.
    if (!SwitchOption(record, *OptionOf(column), value.on, hasTxInhibit)) return ColumnRefusal::OptionExcluded;
    return std::nullopt;
}

ColumnOnChannels SetColumnOnChannels(const RadioImage& image, ChannelSelection channels, ChannelColumn column,
                                     const ColumnValue& value, bool hasTxInhibit) {
    ColumnOnChannels result{image, std::nullopt, -1};
    const auto selected = Selected(channels);
    for (int c = 0; c < kChannelCount; ++c) {
        if (!selected[static_cast<std::size_t>(c)]) continue;
        if (const auto refusal = SetColumn(result.image, c, column, value, hasTxInhibit)) {
            return {image, refusal, c};
        }
    }
    return result;
}

}  // namespace rk
