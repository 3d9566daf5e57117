#pragma once
// The cells of the channel table one by one: how a value is written, and how
// a cell's text is read back with the reason when it cannot be. Shared by the
// table's export and import only. No Qt.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ChannelTable.h"
#include "RadioImage.h"

namespace rk::cells {

template <typename T>
struct Parsed {
    T value{};
    std::optional<TableProblemKind> problem;
};

// One side's squelch code as the table sees it.
enum class CodeKind { Off, Tone, Dcs };
struct SideCode {
    CodeKind kind = CodeKind::Off;
    int index = 0;          // tone table entry, or entry of the DCS code list
    bool inverted = false;  // DCS only
    friend bool operator==(const SideCode&, const SideCode&) = default;
};

// What one side of a record holds; `unlisted` is set when the byte names no
// table entry, and the side then reads as off.
SideCode ReadSide(const ConstChannelRecord& record, Side side, bool& unlisted);
// Sets the side's on bit, is-tone bit and byte; a side without a code only
// loses its on bit, keeping the rest as the form does.
void WriteSide(const ChannelRecord& record, Side side, const SideCode& code);

std::string_view Trim(std::string_view text);
bool SameText(std::string_view a, std::string_view b);  // ASCII case ignored

// Counts of 10 Hz as MHz with six decimals: 14,501,250 is "145.012500".
std::string FrequencyCell(std::int64_t count);
// "67.0", "250.3"
std::string ToneCell(int toneIndex);
// Three octal digits: "023"
std::string DcsCell(int codeIndex);
// Tenths as "2.5"
std::string TenthsCell(std::uint8_t tenths);

// The cells holding decimals take a decimal comma when `decimalComma` is set
// (a table separated by ';' or tabs), a decimal point always.

// MHz to a count of 10 Hz: 0 up to what 31 bits hold.
Parsed<std::int32_t> ParseFrequency(std::string_view cell, bool decimalComma = false);
// Hertz of one of the radio's 38 tones: its table entry.
Parsed<int> ParseTone(std::string_view cell, bool decimalComma = false);
// "023" or "23": its entry in the DCS code list.
Parsed<int> ParseDcs(std::string_view cell);
// Two letters, transmit then receive, N normal or R inverted.
struct Polarity {
    bool txInverted = false;
    bool rxInverted = false;
};
Parsed<Polarity> ParsePolarity(std::string_view cell);
// A whole number 0..max, digits only.
Parsed<int> ParseWhole(std::string_view cell, int max, TableProblemKind outOfRange);
// Seconds in tenths, up to what a byte holds.
Parsed<std::uint8_t> ParseTenths(std::string_view cell, bool decimalComma = false);
// Y, N or empty (N).
Parsed<bool> ParseYesNo(std::string_view cell);
// High, Low, empty (High) or watts ("5.0W"): true for low power.
Parsed<bool> ParseLowPower(std::string_view cell, bool decimalComma = false);

}  // namespace rk::cells
