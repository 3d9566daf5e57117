#pragma once
// Conversions between the image's units and the numbers the user sees, and
// the number format and parser of the form's edit fields. No Qt.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rk {

// Count of 10 Hz steps to MHz: count × 0.00001.
double FreqToMhz(std::int32_t count);

// MHz to a count of 10 Hz steps, exact on the decimal value that the double
// shows (145.0125 gives 14,501,250), finer digits dropped toward zero. Values
// beyond the signed 32-bit range give the nearest limit; negative values
// inside it stay exact (-1e-05 gives -1). NaN gives INT32_MIN, a count the
// pre-write check refuses.
std::int32_t MhzToFreq(double mhz);

// Count of 10 Hz steps as MHz text, exact: trailing zeros of the five
// decimals are dropped down to `leastDecimals` (0..6), and with none left the
// point goes too. 14,501,250 is "145.0125" with 0 or 4, "145.012500" with 6;
// 40,000,000 is "400" with 0, "400.0000" with 4.
std::string MhzText(std::int64_t count, int leastDecimals);

// bandLow (40 Hz steps) to whole MHz: bandLow × 4 / 1000 / 100, integer division.
std::int64_t BandLowToMhz(std::uint32_t bandLow);

// The band's high edge in MHz as the programs show it: 20 MHz above a low
// edge of 100..500, else 0 (a new document's band reads "0 to 0").
std::int64_t ShownBandHigh(std::int64_t lowMhz);

// Typed MHz to bandLow: exact count of 10 Hz steps, divided by 4. Negative
// values and NaN give 0, values beyond 24 bits give 0xFFFFFF.
std::uint32_t MhzToBandLow(double mhz);

// Tenths of a second or minute: stored × 0.1.
double TenthsToValue(std::uint8_t tenths);

// The most a byte of tenths holds: 25.5 seconds or minutes.
inline constexpr std::int64_t kTenthsByteMax = 255;

// Typed value to tenths, exact on the decimal value, finer digits dropped
// toward zero (-0.05 gives 0, 25.55 gives 255). Nothing for a count outside
// 0..255 (25.6 and more, -0.1 and less, infinities, NaN).
std::optional<std::uint8_t> TenthsThatFit(double value);
// The same, with 255 for a count that does not fit.
std::uint8_t ValueToTenths(double value);

// General format, 15 significant digits, no trailing zeros: 435.125, 5, 0,
// -1e-05. Always a decimal point, whatever the C locale says. Every count of
// 10 Hz steps and every byte of tenths reads back through ParseNumber and
// MhzToFreq / ValueToTenths to the same count.
std::string FormatNumber(double value);

// Characters of an edit field that ParseNumber looks at.
inline constexpr std::size_t kNumberTextLimit = 31;

// The form's number parser: blanks and tabs around the number, optional sign,
// digits with an optional decimal point, optional exponent. Nothing else may
// follow. Zero is an error unless the first character read is the digit 0.
// At most the first 31 characters are taken.
//
// In detail:
// - Only ' ' and '\t' count as blanks. The text is UTF-8; cutting it at 31
//   bytes gives the same verdict as at 31 characters, since any other
//   character before the cut is an error either way.
// - The number needs at least one digit before or after the point: "5.",
//   ".5", "+.5" are numbers; "", "-", "." and "+" are not.
// - An exponent needs a digit: "1e3" is 1000, "1e" and "1e+" are errors.
// - "0", "00", "0.0", "0e7" are zero; "-0", "+0", ".0" are errors.
// - Only decimal notation: "inf", "nan" and hexadecimal ("0x1A") are errors.
// - A value beyond the range of a double either way (1e999, 1e-999) is an
//   error rather than infinity or a silent zero.
// - Decimal point only, whatever the C locale says; with `acceptsComma` a
//   comma may stand in its place ("435,125" is 435.125), as a model's rules
//   allow. It is never a thousands separator: "1,000.5" is an error.
std::optional<double> ParseNumber(std::string_view text, bool acceptsComma = false);

}  // namespace rk
