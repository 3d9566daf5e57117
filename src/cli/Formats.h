#pragma once
// How rkradio writes the image's values.

#include <QString>
#include <cstdint>

#include "ImageDiff.h"
#include "ModelTexts.h"

namespace rk::cli {

// Counts of 10 Hz in MHz, exact, with at least four decimals: "145.0000",
// "145.0125", "145.01251".
QString MhzText(std::int32_t count);

// A channel index 0..63 as the form numbers it: "01".."64".
QString ChannelNumber(int channel);

// One difference between two images as diff and verify print it, the field
// named in the model's English report texts: "channel 03 receive frequency:
// 145.0125 -> 145.0000", "byte 0x40E: 0x12 -> 0x13" (DiffCommand.cpp).
QString DifferenceLine(const ReportTexts& english, const FieldDifference& difference);

}  // namespace rk::cli
