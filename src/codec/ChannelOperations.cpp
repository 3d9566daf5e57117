#include "ChannelOperations.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

#include "NewDocument.h"
#include "SortedSlots.h"
#include "SquelchCodes.h"

namespace rk {

namespace {

using Order = std::array<int, kChannelCount>;  // position -> old channel

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

ColumnValue ReadCode(const ConstChannelRecord& record, bool receive) {
    const DecodedSquelch decoded =
        DecodeSquelchCode(record.HasCodeFlag(receive ? kRxCodeOn : kTxCodeOn),
                          record.HasCodeFlag(receive ? kRxCodeIsQt : kTxCodeIsQt), receive ? record.rxCode() : record.txCode());
    ColumnValue value;
    value.codeType = decoded.typePosition;
    value.codePosition = decoded.position.value_or(0);
    value.codeListed = decoded.table == CodeTable::None || decoded.position.has_value();
    value.number = receive ? record.rxCode() : record.txCode();
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
    const ConstChannelRecord record = image.Channel(channel);
    ColumnValue value;
    switch (column) {
    case ChannelColumn::RxFrequency: value.number = record.rxFreqSigned(); break;
    case ChannelColumn::TxFrequency: value.number = record.txFreqSigned(); break;
    case ChannelColumn::RxCode: return ReadCode(record, true);
    case ChannelColumn::TxCode: return ReadCode(record, false);
    case ChannelColumn::Power: value.on = record.HasOption(kLowPower); break;
    case ChannelColumn::SquelchLevel: value.number = record.squelchLevel(); break;
    case ChannelColumn::RepeaterDelay: value.number = record.repeaterDelay(); break;
    case ChannelColumn::ScanGroupA:
    case ChannelColumn::ScanGroupB: value.on = InGroup(image.Settings(), GroupOf(column), channel); break;
    default: value.on = OptionIsOn(record, *OptionOf(column)); break;
    }
    return value;
}

std::optional<ColumnRefusal> SetColumn(RadioImage& image, int channel, ChannelColumn column, const ColumnValue& value,
                                       bool hasTxInhibit) {
    if (channel < 0 || channel >= kChannelCount) return ColumnRefusal::OutOfRange;
    const ChannelRecord record = image.Channel(channel);
    const auto fits = [&](std::int64_t max) { return value.number >= 0 && value.number <= max; };
    switch (column) {
    case ChannelColumn::RxFrequency:
    case ChannelColumn::TxFrequency: {
        if (!fits(std::numeric_limits<std::int32_t>::max())) return ColumnRefusal::OutOfRange;
        const auto count = static_cast<std::uint32_t>(value.number);
        column == ChannelColumn::RxFrequency ? record.setRxFreq(count) : record.setTxFreq(count);
        return std::nullopt;
    }
    case ChannelColumn::RxCode: return WriteCode(record, true, value);
    case ChannelColumn::TxCode: return WriteCode(record, false, value);
    case ChannelColumn::Power: record.SetOption(kLowPower, value.on); return std::nullopt;
    case ChannelColumn::SquelchLevel:
        if (!fits(kSquelchLevelMax)) return ColumnRefusal::OutOfRange;
        record.setSquelchLevel(static_cast<std::uint8_t>(value.number));
        return std::nullopt;
    case ChannelColumn::RepeaterDelay:
        if (!fits(std::numeric_limits<std::uint8_t>::max())) return ColumnRefusal::OutOfRange;
        record.setRepeaterDelay(static_cast<std::uint8_t>(value.number));
        return std::nullopt;
    case ChannelColumn::ScanGroupA:
    case ChannelColumn::ScanGroupB: {
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
    default:
        if (!SwitchOption(record, *OptionOf(column), value.on, hasTxInhibit)) return ColumnRefusal::OptionExcluded;
        return std::nullopt;
    }
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
