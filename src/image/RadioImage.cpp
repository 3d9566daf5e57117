#include "RadioImage.h"

#include <stdexcept>

namespace rk {

namespace bytes {
std::uint32_t ReadBe32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
void WriteBe32(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value >> 24);
    p[1] = static_cast<std::uint8_t>(value >> 16);
    p[2] = static_cast<std::uint8_t>(value >> 8);
    p[3] = static_cast<std::uint8_t>(value);
}
std::uint32_t ReadBe24(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}
void WriteBe24(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value >> 16);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value);
}
}  // namespace bytes

std::size_t RadioImage::RowOffset(std::size_t r) {
    if (r >= kRowCount) throw std::out_of_range("image row");
    return r * kRowSize;
}

std::size_t RadioImage::RecordOffset(int c) {
    if (c < 0 || c >= kChannelCount) throw std::out_of_range("channel index");
    return static_cast<std::size_t>(c) * kRecordSize;
}

bool RadioImage::IsChannelConfigured(int c) const {
    const auto record = Channel(c);
    return record.rxFreqSigned() >= kConfiguredFreqMin && record.txFreqSigned() >= kConfiguredFreqMin;
}

int RadioImage::ConfiguredChannelCount() const {
    int count = 0;
    for (int c = 0; c < kChannelCount; ++c) count += IsChannelConfigured(c) ? 1 : 0;
    return count;
}

ValidChannelList BuildValidChannels(const RadioImage& image) {
    ValidChannelList list;
    list.fill(kEmptySlot);
    std::size_t n = 0;
    for (int c = 0; c < kChannelCount; ++c) {
        if (image.IsChannelConfigured(c)) list[n++] = static_cast<std::uint8_t>(c);
    }
    return list;
}

}  // namespace rk
