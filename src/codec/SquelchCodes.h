#pragma once
// Squelch code tables (38 CTCSS tones, 166 DCS entries) and the byte that a
// channel record stores for one side's choice. No Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

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

// The byte to store for a chosen position, with the side's on and is-tone
// bits as they stand. Off gives 0.
std::uint8_t EncodeSquelchCode(bool on, bool isTone, int position);

// What a side shows for its bits and stored byte. Total over every input.
DecodedSquelch DecodeSquelchCode(bool on, bool isTone, std::uint8_t byte);

}  // namespace rk
