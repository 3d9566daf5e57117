#pragma once
// Scaling a double by a power of ten on the decimal value it shows, so that
// 145.0125 × 10^5 is 14,501,250 and not the 14,501,249.999... of a binary
// multiply. No Qt.

#include <cstdint>

namespace rk {

// Largest magnitude ScaleDecimal returns; anything larger comes back as this.
inline constexpr std::int64_t kScaledMagnitudeCap = 1'000'000'000'000'000'000;

// value × 10^shift, taken on the shortest decimal text that reads back to
// value, with digits below the units dropped toward zero. The magnitude is
// capped at kScaledMagnitudeCap. value must be finite; shift is 0..15.
std::int64_t ScaleDecimal(double value, int shift);

}  // namespace rk
