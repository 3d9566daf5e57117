#include "TestImages.h"

#include <algorithm>

namespace rk::test {

RadioImage SampleImage() {
    RadioImage image;
    auto settings = image.Settings();
    settings.setSettingsByte1(15);
    settings.setTotLimit(50);
    settings.setBandLow(40'000'000 / 4);  // 400 MHz
    for (auto& slot : settings.scanGroupA()) slot = kEmptySlot;
    for (auto& slot : settings.scanGroupB()) slot = kEmptySlot;
    settings.scanGroupA()[0] = 0;
    settings.scanGroupA()[1] = 2;
    settings.scanGroupB()[0] = 9;
    std::uint8_t last = 0;
    for (int c = 0; c < kChannelCount; ++c) {
        auto record = image.Channel(c);
        record.setSquelchLevel(static_cast<std::uint8_t>(c % 10));
        record.Bytes()[14] = static_cast<std::uint8_t>(c);
        record.Bytes()[15] = static_cast<std::uint8_t>(0xA0 + c % 16);
        if (c > 9 || c == 3) continue;
        const auto rx = static_cast<std::uint32_t>(40'012'500 + c * 12'500);
        record.setRxFreq(rx);
        record.setTxFreq(rx + 500'000);
        record.setRxCode(static_cast<std::uint8_t>(c + 1));
        record.setCodeFlags(kRxCodeOn | kRxCodeIsQt);
        record.setOptionFlags(c % 2 ? kLowPower : kScrambler);
        record.setRepeaterDelay(static_cast<std::uint8_t>(c * 10));
        settings.SetChannelBit(c, true);
        last = static_cast<std::uint8_t>(c);
    }
    settings.setLastUsedChannel(last);
    return image;
}

std::vector<std::vector<std::uint8_t>> BlockReplies(const RadioImage& image, std::uint8_t fill) {
    std::vector<std::vector<std::uint8_t>> blocks;
    const auto& bytes = image.Bytes();
    for (std::size_t start = 0; start < kImageSize; start += 256) {
        std::vector<std::uint8_t> block(256, fill);
        const std::size_t n = std::min<std::size_t>(256, kImageSize - start);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(start), n, block.begin());
        blocks.push_back(std::move(block));
    }
    return blocks;
}

}  // namespace rk::test
