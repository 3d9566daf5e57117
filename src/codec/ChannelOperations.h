#pragma once
// What the channel table does to a set of channels: clear, move, sort and set
// one column. Each takes an image and returns the new one, which the caller
// hands to the document as one step. Indexes outside 0..63 in a selection are
// ignored, and so are repeats. No Qt.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ChannelFields.h"
#include "ChannelOptions.h"
#include "RadioImage.h"
#include "SquelchCodes.h"

namespace rk {

using ChannelSelection = std::span<const int>;

// The channels get the bytes of a channel in a new document and leave both
// scan groups.
RadioImage ClearChannels(const RadioImage& image, ChannelSelection channels);

enum class MoveDirection { Up, Down };
struct MovedChannels {
    RadioImage image;
    std::vector<int> channels;  // where the selection stands now, ascending
};
// Each selected record swaps places with the unselected record above (below)
// it; a selected block against the first (last) channel stays. Scan groups
// follow their channels to the new numbers; a slot byte that names no channel
// is kept as it is.
MovedChannels MoveChannels(const RadioImage& image, ChannelSelection channels, MoveDirection direction);

// The selected records, or all 64 when one or none is selected, take the
// selected places in order of receive frequency: configured channels first,
// ties and unconfigured channels in their old order. Scan groups follow.
RadioImage SortByReceiveFrequency(const RadioImage& image, ChannelSelection channels);

// One column's value: `number` for the frequencies (counts of 10 Hz), the
// squelch level and the delay (tenths); `on` for power (low), the options and
// scan group membership; `codeType` and `codePosition` for a code, as the
// form's code type and code lists count them.
struct ColumnValue {
    std::int64_t number = 0;
    bool on = false;
    int codeType = kCodeTypeNone;
    int codePosition = 0;
    bool codeListed = true;  // false when the code byte names no list entry
    friend bool operator==(const ColumnValue&, const ColumnValue&) = default;
};

enum class ColumnRefusal {
    OutOfRange,      // beyond what the byte holds, or no entry of the list
    OptionExcluded,  // a conflicting option is on
    GroupFull,       // the scan group holds 16 channels
    NeedsFrequency,  // a channel without frequencies joins no scan group
};

ColumnValue ReadColumn(const RadioImage& image, int channel, ChannelColumn column);

// Sets the column on one channel with the form's rules; nothing changes when
// refused. A receive frequency on a channel without a transmit frequency
// sets both, as for a simplex channel.
std::optional<ColumnRefusal> SetColumn(RadioImage& image, int channel, ChannelColumn column, const ColumnValue& value,
                                       bool hasTxInhibit);

struct ColumnOnChannels {
    RadioImage image;  // unchanged when refused
    std::optional<ColumnRefusal> refusal;
    int refusedChannel = -1;
};
// The same value on every selected channel, or on none when one refuses it.
ColumnOnChannels SetColumnOnChannels(const RadioImage& image, ChannelSelection channels, ChannelColumn column,
                                     const ColumnValue& value, bool hasTxInhibit);

}  // namespace rk
