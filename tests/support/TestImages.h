#pragma once
// Radio images for link tests.

#include <cstdint>
#include <vector>

#include "RadioImage.h"

namespace rk::test {

// A valid image for both models: band 400-420 MHz, channels 0..9 but 3 in
// use, every row different so that a misplaced row shows. Passes the
// pre-write check unchanged (its derived fields are already right).
RadioImage SampleImage();

// The five 256-byte replies a radio sends for `image`: blocks 1-4 carry image
// bytes 0..1023, block 5 the settings block and then `fill`.
std::vector<std::vector<std::uint8_t>> BlockReplies(const RadioImage& image, std::uint8_t fill = 0xEE);

}  // namespace rk::test
