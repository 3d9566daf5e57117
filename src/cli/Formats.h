#pragma once
// How rkradio writes the image's values.

#include <QString>
#include <cstdint>

namespace rk::cli {

// Counts of 10 Hz in MHz, exact, with at least four decimals: "145.0000",
// "145.0125", "145.01251".
QString MhzText(std::int32_t count);

// A channel index 0..63 as the form numbers it: "01".."64".
QString ChannelNumber(int channel);

}  // namespace rk::cli
