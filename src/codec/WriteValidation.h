#pragma once
// The check that every write to the radio passes first. No Qt.

#include <array>
#include <cstdint>
#include <vector>

#include "ModelRules.h"
#include "RadioImage.h"

namespace rk {

// The tests of the check, in the order a channel meets them. The front ends
// give each its model's message.
enum class WriteRule {
    None,
    SameFreqTalkaround,  // the same frequency both ways with talkaround on
    SameFreqRepeater,
    SameFreqReverse,
    Split,        // receive and transmit too far apart
    Band,         // the band's lower edge itself
    RxOutOfBand,
    TxOutOfBand,
    RxStep,       // not on a 5 or 6.25 kHz step
    TxStep,
    TotLimit,     // the transmit time limit (settings)
    RepeaterDelay,
};

// The band itself or a frequency outside it: its message names the band.
bool IsBandRule(WriteRule rule);

// The limits the check holds a band's lower edge (10 Hz counts: whole MHz
// from 100 MHz to the model's highest) and the time limit (tenths of a
// minute, 0.1 to 10 minutes) to.
bool IsValidBandEdge(std::int64_t bandEdge, const ValidationRules& rules);
inline constexpr std::int64_t kLowestBandEdge = 10'000'000;  // 100 MHz
inline constexpr std::uint8_t kTotLimitMin = 1;
inline constexpr std::uint8_t kTotLimitMax = 100;

struct ValidationVerdict {
    bool passed = false;
    int failingChannel = -1;            // set when the check failed
    WriteRule rule = WriteRule::None;  // the failed test
    // The image as it goes to the radio, filled when the check passed.
    std::array<std::uint8_t, kImageSize> transferBytes{};
};

// Tests channels 0..63 in order and stops at the first failure. Updates
// channelBitmap and lastUsedChannel of every channel that passed, also when a
// later channel fails.
ValidationVerdict ValidateForWrite(RadioImage& image, const ValidationRules& rules);

// One problem the check meets: a channel and the first test it fails.
struct WriteProblem {
    int channel = -1;
    WriteRule rule = WriteRule::None;
};

// Every channel's first failing test, in channel order: the first entry is
// what ValidateForWrite reports. A test of the settings alone (the band, the
// time limit) is listed once, at the first channel it fails. Leaves the
// image as it is.
std::vector<WriteProblem> ListWriteProblems(const RadioImage& image, const ValidationRules& rules);

// The refresh a passing check makes: the map of channels in use and the
// highest channel in use, as a write sends them.
void RefreshDerivedFields(RadioImage& image);

}  // namespace rk
