#include "ChannelCells.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

#include "Conversions.h"
#include "ExactDecimal.h"
#include "SquelchCodes.h"

namespace rk::cells {

namespace {

using Kind = TableProblemKind;

constexpr std::int64_t kHighestCount = std::numeric_limits<std::int32_t>::max();
constexpr int kFrequencyCellDecimals = 6;
// Two watts or less is the radio's low power.
constexpr double kLowPowerWatts = 2.0;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool AllDigits(std::string_view text, bool octal) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [octal](char c) {
        return c >= '0' && c <= (octal ? '7' : '9');
    });
}

// A decimal number as the form reads one; longer cells than the form takes
// are refused rather than cut.
std::optional<double> Number(std::string_view cell, bool decimalComma) {
    if (cell.size() > kNumberTextLimit) return std::nullopt;
    return ParseNumber(cell, decimalComma);
}

// Tones in hundredths of a hertz, in table order.
const std::array<std::int64_t, kToneCount>& ToneHundredths() {
    static const std::array<std::int64_t, kToneCount> hundredths = [] {
        std::array<std::int64_t, kToneCount> values{};
        for (int i = 0; i < kToneCount; ++i)
            values[static_cast<std::size_t>(i)] = ScaleDecimal(*ParseNumber(ToneTexts()[static_cast<std::size_t>(i)]), 2);
        return values;
    }();
    return hundredths;
}

}  // namespace

SideCode ReadSide(const ConstChannelRecord& record, Side side, bool& unlisted) {
    const DecodedSquelch decoded = DecodeSquelchCode(record, side);
    if (decoded.table == CodeTable::None) return {};
    if (!decoded.position) {
        unlisted = true;
        return {};
    }
    if (decoded.table == CodeTable::Tone) return {CodeKind::Tone, *decoded.position, false};
    const int position = *decoded.position;
    return {CodeKind::Dcs, position % kDcsCodeCount, position >= kDcsCodeCount};
}

void WriteSide(const ChannelRecord& record, Side side, const SideCode& code) {
    if (code.kind == CodeKind::Off) {
        record.setCodeOn(side, false);
        return;
    }
    const bool tone = code.kind == CodeKind::Tone;
    const int position = tone ? code.index : code.index + (code.inverted ? kDcsCodeCount : 0);
    const std::uint8_t byte = EncodeSquelchCode(true, tone, position);
    record.setCodeOn(side, true);
    record.setCodeIsQt(side, tone);
    record.setCode(side, byte);
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string FrequencyCell(std::int64_t count) { return MhzText(count, kFrequencyCellDecimals); }

std::string ToneCell(int toneIndex) {
    const std::int64_t tenths = ToneHundredths()[static_cast<std::size_t>(toneIndex)] / 10;
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

std::string DcsCell(int codeIndex) {
    char text[8];
    std::snprintf(text, sizeof text, "%03o", static_cast<unsigned>(DcsCodeList()[static_cast<std::size_t>(codeIndex)]));
    return text;
}

std::string TenthsCell(std::uint8_t tenths) { return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10); }

Parsed<std::int32_t> ParseFrequency(std::string_view cell, bool decimalComma) {
    const auto mhz = Number(cell, decimalComma);
    if (!mhz) return {0, Kind::NotANumber};
    if (*mhz < 0 || *mhz > static_cast<double>(kHighestCount) / kCountsPerMhz) return {0, Kind::FrequencyOutOfRange};
    return {MhzToFreq(*mhz), std::nullopt};
}

Parsed<int> ParseTone(std::string_view cell, bool decimalComma) {
    const auto hertz = Number(cell, decimalComma);
    if (!hertz) return {0, Kind::NotANumber};
    if (*hertz <= 0 || *hertz >= 1000) return {0, Kind::ToneNotInTable};
    const auto& table = ToneHundredths();
    const auto found = std::find(table.begin(), table.end(), ScaleDecimal(*hertz, 2));
    if (found == table.end()) return {0, Kind::ToneNotInTable};
    return {static_cast<int>(found - table.begin()), std::nullopt};
}

Parsed<int> ParseDcs(std::string_view cell) {
    if (!AllDigits(cell, false)) return {0, Kind::NotANumber};
    if (cell.size() > 3 || !AllDigits(cell, true)) return {0, Kind::DcsNotInTable};
    int code = 0;
    for (const char c : cell) code = code * 8 + (c - '0');
    const auto& list = DcsCodeList();
    const auto found = std::find(list.begin(), list.end(), code);
    if (found == list.end()) return {0, Kind::DcsNotInTable};
    return {static_cast<int>(found - list.begin()), std::nullopt};
}

Parsed<Polarity> ParsePolarity(std::string_view cell) {
    if (cell.empty()) return {};
    const auto inverted = [](char c) -> std::optional<bool> {
        if (Lower(c) == 'n') return false;
        if (Lower(c) == 'r') return true;
        return std::nullopt;
    };
    if (cell.size() != 2) return {{}, Kind::UnknownPolarity};
    const auto tx = inverted(cell[0]);
    const auto rx = inverted(cell[1]);
    if (!tx || !rx) return {{}, Kind::UnknownPolarity};
    return {{*tx, *rx}, std::nullopt};
}

Parsed<int> ParseWhole(std::string_view cell, int max, TableProblemKind outOfRange) {
    if (!AllDigits(cell, false)) return {0, Kind::NotANumber};
    // Leading zeros are harmless; more digits than that cannot be in range.
    while (cell.size() > 1 && cell.front() == '0') cell.remove_prefix(1);
    if (cell.size() > 6) return {0, outOfRange};
    int value = 0;
    for (const char c : cell) value = value * 10 + (c - '0');
    if (value > max) return {0, outOfRange};
    return {value, std::nullopt};
}

Parsed<std::uint8_t> ParseTenths(std::string_view cell, bool decimalComma) {
    if (cell.empty()) return {};
    const auto value = Number(cell, decimalComma);
    if (!value) return {0, Kind::NotANumber};
    // The form's own conversion decides what fits the byte.
    const auto tenths = TenthsThatFit(*value);
    if (!tenths) return {0, Kind::DelayOutOfRange};
    return {*tenths, std::nullopt};
}

Parsed<bool> ParseYesNo(std::string_view cell) {
    if (cell.empty() || SameText(cell, "N")) return {false, std::nullopt};
    if (SameText(cell, "Y")) return {true, std::nullopt};
    return {false, Kind::NotYesOrNo};
}

Parsed<bool> ParseLowPower(std::string_view cell, bool decimalComma) {
    if (cell.empty() || SameText(cell, "High")) return {false, std::nullopt};
    if (SameText(cell, "Low")) return {true, std::nullopt};
    if (Lower(cell.back()) == 'w') {
        const auto watts = Number(Trim(cell.substr(0, cell.size() - 1)), decimalComma);
        if (watts && *watts >= 0) return {*watts <= kLowPowerWatts, std::nullopt};
    }
    return {false, Kind::UnknownPower};
}

}  // namespace rk::cells
