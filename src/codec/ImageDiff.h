#pragma once
// Compares two images field by field, naming each difference by the field the
// form shows it in, with both values in the field's own unit. Bytes that
// belong to no field are reported by offset. Front ends put names and values
// into words in their own language. No Qt.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "RadioImage.h"

namespace rk {

enum class DiffField {
    // Channel fields
    RxFrequency,
    TxFrequency,
    RxCode,
    TxCode,
    SquelchLevel,
    RepeaterDelay,
    Power,
    TxInhibit,
    BeatShift,
    Talkaround,
    Repeater,
    Reverse,
    Scrambler,
    // Settings
    Band,
    TotLimit,
    ScanGroupA,
    ScanGroupB,
    LastUsedChannel,
    ChannelBitmap,
    // A byte outside every named field
    Byte,
};

// What one field holds, one type per kind of value.
namespace diff {
struct Frequency {  // count of 10 Hz steps, read as signed
    std::int32_t count;
    friend auto operator<=>(const Frequency&, const Frequency&) = default;
};
struct Code {  // one side's code byte and its two bits
    std::uint8_t byte;
    bool on;
    bool isTone;
    friend auto operator<=>(const Code&, const Code&) = default;
};
struct Level {  // the squelch level
    int value;
    friend auto operator<=>(const Level&, const Level&) = default;
};
struct Tenths {  // a time as stored: tenths of a second (delay) or minute (time limit)
    std::uint8_t count;
    friend auto operator<=>(const Tenths&, const Tenths&) = default;
};
struct Switch {  // a channel option
    bool on;
    friend auto operator<=>(const Switch&, const Switch&) = default;
};
struct Power {
    bool low;
    friend auto operator<=>(const Power&, const Power&) = default;
};
struct BandEdge {  // the band's low edge in whole MHz
    std::int64_t mhz;
    friend auto operator<=>(const BandEdge&, const BandEdge&) = default;
};
struct Channel {  // channel index 0..63; a larger byte as stored
    std::uint8_t index;
    friend auto operator<=>(const Channel&, const Channel&) = default;
};
struct Slots {  // a scan group's slots up to its first empty one
    std::vector<std::uint8_t> entries;
    friend auto operator<=>(const Slots&, const Slots&) = default;
};
struct ChannelMap {  // bit c: channel c is in use
    std::uint64_t bits;
    friend auto operator<=>(const ChannelMap&, const ChannelMap&) = default;
};
struct Byte {  // one byte as stored
    std::uint8_t value;
    friend auto operator<=>(const Byte&, const Byte&) = default;
};
}  // namespace diff

using FieldValue = std::variant<diff::Frequency, diff::Code, diff::Level, diff::Tenths, diff::Switch, diff::Power,
                                diff::BandEdge, diff::Channel, diff::Slots, diff::ChannelMap, diff::Byte>;

struct FieldDifference {
    DiffField field = DiffField::Byte;
    int channel = -1;        // 0..63 for channel fields, else -1
    std::size_t offset = 0;  // the first byte of the field that differs
    FieldValue before = diff::Byte{0};
    FieldValue after = diff::Byte{0};
    // The field's bytes differ but it shows the same either way (a code byte
    // while that code is off, band bytes within one MHz): before/after are
    // the byte at `offset`, `shown` is what the field shows.
    std::optional<FieldValue> shown;
};

// A visitor of FieldValue made of one lambda per alternative.
template <typename... Ways>
struct Overloaded : Ways... {
    using Ways::operator()...;
};
template <typename... Ways>
Overloaded(Ways...) -> Overloaded<Ways...>;

std::vector<FieldDifference> CompareImages(const RadioImage& before, const RadioImage& after);

// Notations the same in every language.
// "0x3A"
std::string HexText(std::uint8_t byte);
// The squelch code a side shows: "88.5", "023N", "-" when off, or the raw
// byte "0x55" when it names no table entry.
std::string CodeText(const diff::Code& code);
std::string CodeText(const ConstChannelRecord& record, Side side);
// The one channel-number formatter: two digits from 01 for the channels
// 0..63; a slot byte past the last channel (64 gives "0x40") as stored.
std::string ChannelNumberText(int index);
// "03 05", "-" for none.
std::string SlotsText(const diff::Slots& slots);
// The map's eight bytes in image order, two hex digits each.
std::string ChannelMapText(const diff::ChannelMap& map);

}  // namespace rk
