#pragma once
// Rules of the image recomputed from their description, for the fuzz targets
// to hold the program's own results against.

#include <cstddef>
#include <cstdint>

#include "RadioImage.h"

namespace rk::fuzz {

// rxFreq and txFreq of channel c as signed 32-bit counts.
inline std::int32_t SignedAt(const RadioImage& image, std::size_t offset) {
    const auto& b = image.Bytes();
    const std::uint32_t value = (std::uint32_t{b[offset]} << 24) | (std::uint32_t{b[offset + 1]} << 16) |
                                (std::uint32_t{b[offset + 2]} << 8) | b[offset + 3];
    return static_cast<std::int32_t>(value);
}
inline std::int32_t Rx(const RadioImage& image, int c) { return SignedAt(image, static_cast<std::size_t>(c) * 16); }
inline std::int32_t Tx(const RadioImage& image, int c) { return SignedAt(image, static_cast<std::size_t>(c) * 16 + 5); }

// A channel is configured when both frequencies are at least 100 MHz.
inline bool Configured(const RadioImage& image, int c) {
    return Rx(image, c) >= 10'000'000 && Tx(image, c) >= 10'000'000;
}

// The configured channels in ascending order, 0xFF after the last.
inline ValidChannelList ConfiguredChannels(const RadioImage& image) {
    ValidChannelList list;
    list.fill(0xFF);
    std::size_t n = 0;
    for (int c = 0; c < kChannelCount; ++c) {
        if (Configured(image, c)) list[n++] = static_cast<std::uint8_t>(c);
    }
    return list;
}

}  // namespace rk::fuzz
