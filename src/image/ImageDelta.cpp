#include "ImageDelta.h"

namespace rk {
namespace {
// Equal bytes between two runs cost less inside one run than a run header.
constexpr std::size_t kJoinGap = sizeof(std::uint16_t) * 2;
}  // namespace

ImageDelta ImageDelta::Between(const RadioImage& before, const RadioImage& after) {
    ImageDelta delta;
    const auto& a = before.Bytes();
    const auto& b = after.Bytes();
    std::size_t i = 0;
    while (i < kImageSize) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        // A run ends after more than kJoinGap equal bytes, or at the end.
        std::size_t end = i + 1;
        std::size_t last = i;
        while (end < kImageSize && end - last <= kJoinGap) {
            if (a[end] != b[end]) last = end;
            ++end;
        }
        const std::size_t length = last + 1 - i;
        delta.m_runs.push_back({static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(length)});
        for (std::size_t k = i; k <= last; ++k) delta.m_bits.push_back(static_cast<std::uint8_t>(a[k] ^ b[k]));
        i = last + 1;
    }
    delta.m_runs.shrink_to_fit();
    delta.m_bits.shrink_to_fit();
    return delta;
}

void ImageDelta::ApplyTo(RadioImage& image) const {
    auto& bytes = image.Bytes();
    std::size_t at = 0;
    for (const Run& run : m_runs) {
        for (std::size_t k = 0; k < run.length; ++k) bytes[run.offset + k] ^= m_bits[at + k];
        at += run.length;
    }
}

void ImageDelta::Append(const ImageDelta& next) {
    // XOR composes: applying both is applying their XOR.
    RadioImage zero;
    RadioImage combined;
    ApplyTo(combined);
    next.ApplyTo(combined);
    *this = Between(zero, combined);
}

std::size_t ImageDelta::HeapUse() const { return m_runs.capacity() * sizeof(Run) + m_bits.capacity(); }

}  // namespace rk
