#include "ExactDecimal.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace rk {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::int64_t TimesTenCapped(std::int64_t magnitude, int times) {
    for (int i = 0; i < times; ++i) {
        if (magnitude > kScaledMagnitudeCap / 10) return kScaledMagnitudeCap;
        magnitude *= 10;
    }
    return magnitude;
}

}  // namespace

std::int64_t ScaleDecimal(double value, int shift) {
    if (!std::isfinite(value) || shift < 0 || shift > 15) throw std::invalid_argument("ScaleDecimal");
    if (value == 0) return 0;

    // Shortest round-trip text in scientific form: [-]d[.ddd]e(+|-)xx.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (result.ec != std::errc{}) throw std::logic_error("ScaleDecimal: to_chars");
    const char* p = text;
    const char* const end = result.ptr;

    const bool negative = *p == '-';
    if (negative) ++p;
    char digits[24];
    int digitCount = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (IsDigit(*p) && digitCount < static_cast<int>(sizeof digits)) digits[digitCount++] = *p;
    }
    int exponent = 0;
    if (p != end) {
        ++p;  // 'e'
        if (*p == '+') ++p;
        std::from_chars(p, end, exponent);
    }

    // value = digits × 10^(exponent - (digitCount - 1)); scale and keep the
    // whole part of it.
    const int power = exponent - (digitCount - 1) + shift;
    const int keptDigits = power >= 0 ? digitCount : digitCount + power;
    std::int64_t magnitude = 0;
    for (int i = 0; i < keptDigits; ++i) magnitude = magnitude * 10 + (digits[i] - '0');
    if (power > 0) magnitude = TimesTenCapped(magnitude, power);
    return negative ? -magnitude : magnitude;
}

}  // namespace rk
