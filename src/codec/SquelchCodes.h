#pragma once
// Squelch code tables (38 CTCSS tones, 166 DCS entries) and the byte that a
// channel record stores for one side's choice. No Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "RadioImage.h"

namespace rk {

inline constexpr int kToneCount = 38;
inline constexpr int kDcsCodeCount = 83;        // the DCS code list
inline constexpr int kDcsEntryCount = 166;      // normal, then inverted
inline constexpr int kDcsNumberingCount = 84;   // the code list plus 036

// Positions of the code type list.
inline constexpr int kCodeTypeQt = 0;
inline constexpr int kCodeTypeDqt = 1;
inline constexpr int kCodeTypeNone = 2;

enum class CodeTable { None, Tone, Dcs };

struct DecodedSquelch {
    int typePosition = kCodeTypeNone;
    CodeTable table = CodeTable::None;
    std::optional<int> position;  // nothing when the byte names no entry
};

// "67" .. "250.3"
const std::array<std::string, kToneCount>& ToneTexts();
// "023N" .. "754N", "023I" .. "754I"
const std::array<std::string, kDcsEntryCount>& DcsTexts();

// The tables behind the bytes; codes are octal values (023 is 19).
// The DCS code list: the codes of entries 0..82 and, inverted, 83..165.
const std::array<int, kDcsCodeCount>& DcsCodeList();
// The code of each number a DCS byte can hold: the code list plus 036.
const std::array<int, kDcsNumberingCount>& DcsNumbering();
// For each code of the code list, the code it equals when sent inverted.
const std::array<int, kDcsCodeCount>& DcsPartners();

// The byte to store for a chosen position, with the side's on and is-tone
// bits as they stand. Off gives 0. A position outside the side's table
// (0..37 for tones, 0..165 for DCS) throws std::out_of_range.
std::uint8_t EncodeSquelchCode(bool on, bool isTone, int position);

// What a side shows for its bits and stored byte. Total over every input: a
// tone byte of 38 or more, and an inverted DCS byte whose number is beyond
// the numbering or nobody's partner, give no position.
DecodedSquelch DecodeSquelchCode(bool on, bool isTone, std::uint8_t byte);
// The same for one side of a record: its two bits and its byte.
DecodedSquelch DecodeSquelchCode(const ConstChannelRecord& record, Side side);

}  // namespace rk
