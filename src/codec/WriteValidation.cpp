#include "WriteValidation.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace rk {

namespace {

constexpr std::int64_t kBandEdgeStep = 100'000;       // 1 MHz
constexpr std::int32_t kStep5kHz = 500;
constexpr std::int32_t kStep6k25Hz = 625;
constexpr std::uint8_t kRepeaterDelayMax = 100;

// The first same-frequency option set, in the order talkaround, repeater,
// reverse.
WriteRule SameFrequencyRule(std::uint8_t options) {
    if (options & kTalkaround) return WriteRule::SameFreqTalkaround;
    if (options & kRepeater) return WriteRule::SameFreqRepeater;
    if (options & kReverse) return WriteRule::SameFreqReverse;
    return WriteRule::None;
}

bool OnChannelStep(std::int32_t freq) { return freq % kStep5kHz == 0 || freq % kStep6k25Hz == 0; }

// 0 is no frequency and belongs to every band; both edges belong to it.
bool InBand(std::int64_t freq, std::int64_t bandEdge) {
    return freq == 0 || (freq >= bandEdge && freq <= bandEdge + kBandWidth);
}

// The first test channel c fails (None when it passes). Sums run in 64 bits
// so that no frequency can overflow them.
WriteRule FirstFailure(ConstChannelRecord channel, std::int64_t bandEdge, std::uint8_t totLimit,
                         const ValidationRules& rules) {
    const std::int32_t rx = channel.freqSigned(Side::Receive);
    const std::int32_t tx = channel.freqSigned(Side::Transmit);
    const std::int64_t rx64 = rx;
    const std::int64_t tx64 = tx;

    if (rx == tx) {
        if (const WriteRule rule = SameFrequencyRule(channel.optionFlags()); rule != WriteRule::None) return rule;
    }
    if ((rx64 > tx64 && rx64 > tx64 + rules.greatestSplit) || (tx64 > rx64 && tx64 > rx64 + rules.greatestSplit)) {
        return WriteRule::Split;
    }
    if (!IsValidBandEdge(bandEdge, rules)) return WriteRule::Band;
    if (!InBand(rx64, bandEdge)) return WriteRule::RxOutOfBand;
    if (!InBand(tx64, bandEdge)) return WriteRule::TxOutOfBand;
    if (!OnChannelStep(rx)) return WriteRule::RxStep;
    if (!OnChannelStep(tx)) return WriteRule::TxStep;
    if (totLimit < kTotLimitMin || totLimit > kTotLimitMax) return WriteRule::TotLimit;
    if (channel.repeaterDelay() > kRepeaterDelayMax) return WriteRule::RepeaterDelay;
    return WriteRule::None;
}

// The derived fields for channel c: its bit in the map of channels in use,
// and the highest channel in use when it is one.
void RefreshChannel(SettingsBlock& settings, int c, ConstChannelRecord channel) {
    const bool inUse = channel.rxFreq() != 0;
    settings.SetChannelBit(c, inUse);
    if (inUse) settings.setLastUsedChannel(static_cast<std::uint8_t>(c));
}

}  // namespace

bool IsValidBandEdge(std::int64_t bandEdge, const ValidationRules& rules) {
    return bandEdge >= kLowestBandEdge && bandEdge <= rules.highestBandEdge && bandEdge % kBandEdgeStep == 0;
}

bool IsBandRule(WriteRule rule) {
    return rule == WriteRule::Band || rule == WriteRule::RxOutOfBand || rule == WriteRule::TxOutOfBand;
}

void RefreshDerivedFields(RadioImage& image) {
    auto settings = image.Settings();
    for (int c = 0; c < kChannelCount; ++c) RefreshChannel(settings, c, std::as_const(image).Channel(c));
}

ValidationVerdict ValidateForWrite(RadioImage& image, const ValidationRules& rules) {
    ValidationVerdict verdict;
    auto settings = image.Settings();
    const std::int64_t bandEdge = static_cast<std::int64_t>(settings.bandLow()) * 4;
    const std::uint8_t totLimit = settings.totLimit();

    for (int c = 0; c < kChannelCount; ++c) {
        const ConstChannelRecord channel = std::as_const(image).Channel(c);
        if (const WriteRule rule = FirstFailure(channel, bandEdge, totLimit, rules); rule != WriteRule::None) {
            verdict.failingChannel = c;
            verdict.rule = rule;
            return verdict;
        }
        RefreshChannel(settings, c, channel);
    }

    verdict.passed = true;
    verdict.transferBytes = image.Bytes();
    return verdict;
}

std::vector<WriteProblem> ListWriteProblems(const RadioImage& image, const ValidationRules& rules) {
    const auto settings = image.Settings();
    const std::int64_t bandEdge = static_cast<std::int64_t>(settings.bandLow()) * 4;
    const std::uint8_t totLimit = settings.totLimit();
    std::vector<WriteProblem> problems;
    for (int c = 0; c < kChannelCount; ++c) {
        const WriteRule rule = FirstFailure(image.Channel(c), bandEdge, totLimit, rules);
        if (rule == WriteRule::None) continue;
        const bool settingsOnly = rule == WriteRule::Band || rule == WriteRule::TotLimit;
        if (settingsOnly &&
            std::any_of(problems.begin(), problems.end(), [&](const WriteProblem& p) { return p.rule == rule; }))
            continue;
        problems.push_back({c, rule});
    }
    return problems;
}

}  // namespace rk
