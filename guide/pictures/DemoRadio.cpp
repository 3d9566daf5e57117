#include "DemoRadio.h"

namespace rk::guide {

RadioImage DemoRadio() {
    RadioImage image;
    auto settings = image.Settings();
    settings.setSettingsByte1(15);
    settings.setTotLimit(30);
    settings.setBandLow(40'000'000 / 4);  // 400 MHz: a band both models take
    for (auto& slot : settings.scanGroupA()) slot = kEmptySlot;
    for (auto& slot : settings.scanGroupB()) slot = kEmptySlot;
    struct Channel {
        std::uint32_t rx, tx;  // 10 Hz counts
        std::uint8_t toneIndex;  // 0: no code
        std::uint8_t options;
    };
    const Channel channels[] = {
        {40'300'000, 40'300'000, 0, 0},           {40'302'500, 40'302'500, 9, kLowPower},
        {40'975'000, 40'475'000, 13, kRepeater},  {41'025'000, 40'525'000, 13, kRepeater},
        {40'600'625, 40'600'625, 0, kLowPower},   {40'601'875, 40'601'875, 5, kLowPower | kScrambler},
    };
    for (int c = 0; c < kChannelCount; ++c) image.Channel(c).setSquelchLevel(3);
    int c = 0;
    for (const Channel& channel : channels) {
        auto record = image.Channel(c);
        record.setRxFreq(channel.rx);
        record.setTxFreq(channel.tx);
        if (channel.toneIndex) {
            record.setRxCode(channel.toneIndex);
            record.setTxCode(channel.toneIndex);
            record.setCodeFlags(kRxCodeOn | kRxCodeIsQt | kTxCodeOn | kTxCodeIsQt);
        }
        record.setOptionFlags(channel.options);
        settings.SetChannelBit(c, true);
        settings.setLastUsedChannel(static_cast<std::uint8_t>(c));
        ++c;
    }
    settings.scanGroupA()[0] = 0;
    settings.scanGroupA()[1] = 1;
    settings.scanGroupA()[2] = 4;
    settings.scanGroupB()[0] = 2;
    settings.scanGroupB()[1] = 3;
    return image;
}

}  // namespace rk::guide
