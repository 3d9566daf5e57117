#pragma once
// Conversions between the image's units and the numbers the user sees, and
// the number format and parser of the form's edit fields. No Qt.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rk {

// Count of 10 Hz steps to MHz: count × 0.00001.
double FreqToMhz(std::int32_t count);

// MHz to a count of 10 Hz steps, exact on the decimal value that the double
// shows (145.0125 gives 14,501,250), finer digits dropped toward zero. Values
// beyond the signed 32-bit range give the nearest limit.
std::int32_t MhzToFreq(double mhz);

// bandLow (40 Hz steps) to whole MHz: bandLow × 4 / 1000 / 100, integer division.
std::int64_t BandLowToMhz(std::uint32_t bandLow);

// Typed MHz to bandLow: exact count of 10 Hz steps, divided by 4. Negative
// values give 0, values beyond 24 bits give 0xFFFFFF.
std::uint32_t MhzToBandLow(double mhz);

// Tenths of a second or minute: stored × 0.1.
double TenthsToValue(std::uint8_t tenths);

// Typed value to tenths, exact on the decimal value, finer digits dropped.
// Anything outside 0..255 tenths (25.6 and more, or negative) gives 255.
std::uint8_t ValueToTenths(double value);

// General format, 15 significant digits, no trailing zeros: 435.125, 5, 0, -1e-05.
std::string FormatNumber(double value);

// The form's number parser: blanks and tabs around the number, optional sign,
// digits with an optional decimal point, optional exponent. Nothing else may
// follow. Zero is an error unless the first character read is the digit 0.
// At most the first 31 characters are taken.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace rk
