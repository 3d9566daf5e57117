#pragma once
// The image file: the 1088 image bytes followed by one byte that carries no
// data. Bytes after the first 1089 are ignored.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "RadioImage.h"

namespace rk {

inline constexpr std::size_t kImageFileSize = kImageSize + 1;

// The image held by a file's contents, or nothing when the file is too short
// (an empty file and a bare 1088-byte image included).
std::optional<RadioImage> ParseImageFile(std::span<const std::uint8_t> contents);

// The file's contents for an image; the trailing byte is 0.
std::array<std::uint8_t, kImageFileSize> SerializeImageFile(const RadioImage& image);

}  // namespace rk
