#pragma once
// The check that every write to the radio passes first. No Qt.

#include <array>
#include <cstdint>
#include <vector>

#include "ModelRules.h"
#include "RadioImage.h"

namespace rk {

struct ValidationVerdict {
    bool passed = false;
    int failingChannel = -1;       // set when the check failed
    const char* message = nullptr; // the model's message for the failed test
    // The failed test is about the band: the band itself, or a frequency
    // outside it.
    bool bandRule = false;
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
    const char* message = nullptr;
    bool bandRule = false;
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
