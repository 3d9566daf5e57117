#include "Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "RadioImage.h"

#include "ExactDecimal.h"

namespace rk {

namespace {

constexpr int kFreqDecimals = 5;     // MHz to 10 Hz steps
constexpr int kTenthsDecimals = 1;   // seconds or minutes to tenths
constexpr std::int64_t kBandLowMax = 0xFFFFFF;

}  // namespace

double FreqToMhz(std::int32_t count) { return count * 0.00001; }

std::int32_t MhzToFreq(double mhz) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    // No number at all: a count the pre-write check refuses, never 0 (which
    // would read as an empty channel).
    if (std::isnan(mhz)) return kMin;
    if (std::isinf(mhz)) return mhz > 0 ? kMax : kMin;
    const std::int64_t count = ScaleDecimal(mhz, kFreqDecimals);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(count, kMin, kMax));
}

std::string MhzText(std::int64_t count, int leastDecimals) {
    // Magnitude in unsigned arithmetic, so that the most negative count has one too.
    const std::uint64_t magnitude = count < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(count)
                                              : static_cast<std::uint64_t>(count);
    std::string fraction = std::to_string(magnitude % kCountsPerMhz);
    fraction.insert(0, static_cast<std::size_t>(kFreqDecimals) - fraction.size(), '0');
    const auto least = static_cast<std::size_t>(std::clamp(leastDecimals, 0, kFreqDecimals + 1));
    while (fraction.size() > least && fraction.back() == '0') fraction.pop_back();
    fraction.resize(std::max(fraction.size(), least), '0');
    std::string text = count < 0 ? "-" : "";
    text += std::to_string(magnitude / kCountsPerMhz);
    if (!fraction.empty()) text += '.' + fraction;
    return text;
}

std::int64_t BandLowToMhz(std::uint32_t bandLow) {
    return static_cast<std::int64_t>(bandLow) * 4 / 1000 / 100;
}

std::int64_t ShownBandHigh(std::int64_t lowMhz) {
    constexpr std::int64_t kShownLowest = 100;
    constexpr std::int64_t kShownHighest = 500;
    return lowMhz >= kShownLowest && lowMhz <= kShownHighest ? lowMhz + kBandWidthMhz : 0;
}

std::uint32_t MhzToBandLow(double mhz) {
    if (std::isnan(mhz) || mhz < 0) return 0;
    if (std::isinf(mhz)) return static_cast<std::uint32_t>(kBandLowMax);
    const std::int64_t count = ScaleDecimal(mhz, kFreqDecimals);
    return static_cast<std::uint32_t>(std::min(count / 4, kBandLowMax));
}

double TenthsToValue(std::uint8_t tenths) { return tenths * 0.1; }

std::optional<std::uint8_t> TenthsThatFit(double value) {
    // The count is truncated toward zero first, so -0.05 is 0 tenths and fits.
    if (!std::isfinite(value)) return std::nullopt;
    const std::int64_t tenths = ScaleDecimal(value, kTenthsDecimals);
    if (tenths < 0 || tenths > kTenthsByteMax) return std::nullopt;
    return static_cast<std::uint8_t>(tenths);
}

std::uint8_t ValueToTenths(double value) {
    // A count that does not fit the byte gives the one value the pre-write
    // check refuses for both fields.
    return TenthsThatFit(value).value_or(static_cast<std::uint8_t>(kTenthsByteMax));
}

}  // namespace rk
