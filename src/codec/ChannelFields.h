#pragma once
// The catalogue of a channel's fields: for each its id, the column of the
// channel table file that carries it, its kind, the largest value it stores
// and how it is read from and written to a record. The table's columns, the
// channel operations, the diff, the table file and the history's step names
// all read it, so that a field is described once. No Qt.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "Conversions.h"
#include "ImageDiff.h"
#include "RadioImage.h"

namespace rk {

// The channel's fields, as the channel table's columns name them.
enum class ChannelColumn {
    RxFrequency,
    TxFrequency,
    RxCode,
    TxCode,
    Power,
    SquelchLevel,
    Scrambler,
    BeatShift,
    Repeater,
    Reverse,
    Talkaround,
    TxInhibit,
    RepeaterDelay,
    ScanGroupA,
    ScanGroupB,
};
inline constexpr std::size_t kChannelFieldCount = static_cast<std::size_t>(ChannelColumn::ScanGroupB) + 1;

enum class FieldKind {
    Frequency,  // a count of 10 Hz, read as signed
    Code,       // one side's code byte with its on and is-tone bits
    Power,      // on: low power
    Level,      // the squelch level
    Tenths,     // tenths of a second
    Option,     // a yes/no bit
    ScanGroup,  // membership of a scan group of the settings
};

// The repeater delay's largest value: 255 tenths, 25.5 s, all its byte holds.
inline constexpr std::int64_t kDelayTenthsMax = kTenthsByteMax;

struct ChannelFieldInfo {
    ChannelColumn id;
    DiffField diff;  // how the diff and the history's step names call it
    FieldKind kind;
    // The table file's column that says it; the two codes share the tone
    // columns, named by "Tone".
    const char* csvColumn;
    // Whether a file without the column leaves the field of a channel in use
    // as it was. The frequencies are said by Frequency, which every table
    // has, and Duplex, whose absence means the same transmit frequency.
    bool keptWhenAbsent;
    // Whether the column is this radio's own, one that other programs'
    // tables lack.
    bool ownColumn;
    std::int64_t max;  // the largest stored value of a number
    // The stored value as a number (a code packed by PackCode); a scan group
    // has none: it lives in the settings.
    std::int64_t (*read)(const ConstChannelRecord&);
    void (*write)(const ChannelRecord&, std::int64_t);
};

// In image order; fields that share a byte in the order of their bits' names.
std::span<const ChannelFieldInfo> ChannelFieldCatalogue();
const ChannelFieldInfo& FieldInfo(ChannelColumn id);
// The field whose column the table file calls `column` (ASCII case
// ignored); the first of the two codes for "Tone"; null for no field.
const ChannelFieldInfo* FieldOfColumn(std::string_view column);

// A code field's stored value as one number, and back.
std::int64_t PackCode(const diff::Code& code);
diff::Code UnpackCode(std::int64_t packed);

}  // namespace rk
