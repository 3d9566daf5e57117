#include "NewDocument.h"

namespace rk {

RadioImage NewDocumentImage() {
    RadioImage image;
    auto settings = image.Settings();
    for (auto& slot : settings.scanGroupA()) slot = kEmptySlot;
    for (auto& slot : settings.scanGroupB()) slot = kEmptySlot;
    for (int c = 0; c < kChannelCount; ++c) image.Channel(c).setSquelchLevel(kSquelchLevelDefault);
    settings.setTotLimit(50);
    settings.setSettingsByte1(15);
    return image;
}

}  // namespace rk
