#include "ImageFile.h"

#include <algorithm>

namespace rk {

std::optional<RadioImage> ParseImageFile(std::span<const std::uint8_t> contents) {
    if (contents.size() < kImageFileSize) return std::nullopt;
    RadioImage image;
    std::copy_n(contents.begin(), kImageSize, image.Bytes().begin());
    return image;
}

std::array<std::uint8_t, kImageFileSize> SerializeImageFile(const RadioImage& image) {
    std::array<std::uint8_t, kImageFileSize> out{};
    std::copy(image.Bytes().begin(), image.Bytes().end(), out.begin());
    out[kImageSize] = 0;
    return out;
}

}  // namespace rk
