// Typed text through the form's number parser, and numbers through the exact
// decimal conversions: no undefined behaviour (the sanitizers watch), limits
// saturate instead of wrapping, and what the form shows for a stored value
// reads back to that value.
//
// The same input serves as the typed text, as a stored frequency count,
// tenths byte and band edge, and as the bits of a double.

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "Conversions.h"
#include "ExactDecimal.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

using namespace rk;

namespace {

using Wide = long double;

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The whole numbers that truncating value × 10^shift toward zero may give:
// the shortest decimal text of a double lies within half a unit in the last
// place of its binary value, so the result may be any whole number within
// that distance of the binary product. Both ends are clamped to
// [low, high]; values beyond it saturate there.
struct Truncations {
    std::int64_t low;
    std::int64_t high;
    bool Has(std::int64_t x) const { return x >= low && x <= high; }
};

std::int64_t ClampedTrunc(Wide x, std::int64_t low, std::int64_t high) {
    if (x <= static_cast<Wide>(low)) return low;
    if (x >= static_cast<Wide>(high)) return high;
    return static_cast<std::int64_t>(std::trunc(x));
}

Truncations Truncate(double value, int shift, std::int64_t low, std::int64_t high) {
    const Wide exact = static_cast<Wide>(value) * std::pow(Wide{10}, shift);
    const Wide slack = std::fabs(exact) * Wide{4e-16};
    return {ClampedTrunc(exact - slack, low, high), ClampedTrunc(exact + slack, low, high)};
}

std::uint8_t TenthsRule(std::int64_t tenths) { return tenths < 0 || tenths > 255 ? 255 : static_cast<std::uint8_t>(tenths); }

// Conversions of any double, finite or not.
void CheckConversions(double value) {
    if (std::isnan(value)) {
        FUZZ_CHECK(MhzToFreq(value) == kInt32Min);
        FUZZ_CHECK(MhzToBandLow(value) == 0);
        FUZZ_CHECK(ValueToTenths(value) == 255);
        return;
    }
    if (std::isinf(value)) {
        FUZZ_CHECK(MhzToFreq(value) == (value > 0 ? kInt32Max : kInt32Min));
        FUZZ_CHECK(MhzToBandLow(value) == (value > 0 ? 0xFFFFFFu : 0u));
        FUZZ_CHECK(ValueToTenths(value) == 255);
        return;
    }
    FUZZ_CHECK(Truncate(value, 5, kInt32Min, kInt32Max).Has(MhzToFreq(value)));

    const std::uint32_t bandLow = MhzToBandLow(value);
    if (value < 0) {
        FUZZ_CHECK(bandLow == 0);
    } else {
        const Truncations count = Truncate(value, 5, 0, std::numeric_limits<std::int64_t>::max());
        const auto band = [](std::int64_t c) { return std::min<std::int64_t>(c / 4, 0xFFFFFF); };
        FUZZ_CHECK(bandLow >= band(count.low) && bandLow <= band(count.high));
    }

    const Truncations tenths = Truncate(value, 1, -1, 256);
    const std::uint8_t stored = ValueToTenths(value);
    bool tenthsFit = false;
    for (std::int64_t t = tenths.low; t <= tenths.high; ++t) tenthsFit = tenthsFit || stored == TenthsRule(t);
    FUZZ_CHECK(tenthsFit);

    for (int shift = 0; shift <= 15; ++shift) {
        const std::int64_t scaled = ScaleDecimal(value, shift);
        FUZZ_CHECK(Truncate(value, shift, -kScaledMagnitudeCap, kScaledMagnitudeCap).Has(scaled));
    }
}

// The text ParseNumber read, blanks around it removed, as the C library
// reads it: all of it, to the same value.
void CheckAgainstStrtod(std::string_view text, double value) {
    text = text.substr(0, kNumberTextLimit);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    const std::string number(text);
    char* end = nullptr;
    const double expected = std::strtod(number.c_str(), &end);
    FUZZ_CHECK(end == number.c_str() + number.size());
    FUZZ_CHECK(expected == value);
}

void CheckTyped(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) return;
    FUZZ_CHECK(std::isfinite(*value));
    FUZZ_CHECK(*value != 0 || !std::signbit(*value));
    CheckAgainstStrtod(text, *value);
    // What the field would show for it is a number again, and a close one.
    const auto shown = ParseNumber(FormatNumber(*value));
    FUZZ_CHECK(shown.has_value());
    FUZZ_CHECK(std::fabs(*shown - *value) <= std::fabs(*value) * 1e-14);
    CheckConversions(*value);
}

// A stored value, shown in its field and typed back, stores the same value.
void CheckStoredValuesReadBack(fuzz::FuzzInput& in) {
    const auto count = static_cast<std::int32_t>(in.Be32());
    const auto shownFreq = ParseNumber(FormatNumber(FreqToMhz(count)));
    FUZZ_CHECK(shownFreq.has_value() && MhzToFreq(*shownFreq) == count);

    const std::uint8_t tenths = in.Byte();
    const auto shownTenths = ParseNumber(FormatNumber(TenthsToValue(tenths)));
    FUZZ_CHECK(shownTenths.has_value() && ValueToTenths(*shownTenths) == tenths);

    const std::uint32_t bandLow = in.Be32() & 0xFFFFFF;
    const std::int64_t mhz = BandLowToMhz(bandLow);
    const auto shownBand = ParseNumber(FormatNumber(static_cast<double>(mhz)));
    FUZZ_CHECK(shownBand.has_value() && BandLowToMhz(MhzToBandLow(*shownBand)) == mhz);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTyped(std::string_view(reinterpret_cast<const char*>(data), size));

    fuzz::FuzzInput in(data, size);
    CheckStoredValuesReadBack(in);

    fuzz::FuzzInput bits(data, size);
    std::uint64_t pattern = 0;
    for (int i = 0; i < 8; ++i) pattern = (pattern << 8) | bits.Byte();
    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    CheckConversions(value);
    return 0;
}
