#pragma once
// Compares two images field by field, naming each difference by the field the
// form shows it in, with both values as the user reads them. Bytes that belong
// to no field are reported by offset. Front ends put the names into words in
// their own language. No Qt.

#include <cstddef>
#include <string>
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

struct FieldDifference {
    DiffField field = DiffField::Byte;
    int channel = -1;         // 0..63 for channel fields, else -1
    std::size_t offset = 0;   // the field's first byte in the image
    // Values as shown: MHz "145.0125", codes "88.5" / "023N" / "-", levels
    // and times as numbers, scan groups and the highest channel in use as
// channel numbers "01 05", options
    // "1" (on) or "0", power "High" or "Low", bytes "0x3A".
    std::string before;
    std::string after;
    bool isOption = false;    // before/after are "1"/"0": say on/off in words
    // The field's bytes differ but it shows the same either way (a code
    // byte while that code is off, band bytes within one MHz): before/after
    // are the byte at `offset` ("0x3A"), `shown` what the field shows.
    bool sameShown = false;
    std::string shown;
};

std::vector<FieldDifference> CompareImages(const RadioImage& before, const RadioImage& after);

// The squelch code one side of a record shows: "88.5", "023N", "-" when off,
// or the raw byte "0x55" when it names no table entry.
std::string CodeText(const ConstChannelRecord& record, bool receive);

}  // namespace rk
