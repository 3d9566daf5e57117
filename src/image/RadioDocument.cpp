#include "RadioDocument.h"

namespace rk {

bool RadioDocument::OnNewDocument() {
    m_currentChannel = kNoChannel;
    m_validListStale = -1;
    m_image = RadioImage{};
    auto settings = m_image.Settings();
    for (auto& slot : settings.scanGroupA()) slot = kEmptySlot;
    for (auto& slot : settings.scanGroupB()) slot = kEmptySlot;
    for (int c = 0; c < kChannelCount; ++c) m_image.Channel(c).setSquelchLevel(3);
    m_validChannels.fill(kEmptySlot);
    settings.setTotLimit(50);
    settings.setSettingsByte1(15);
    SetModified(false);
    return true;
}

void RadioDocument::LoadImage(const RadioImage& image) {
    m_image = image;
    m_currentChannel = kNoChannel;
    RebuildValidChannels();
    SetModified(false);
}

void RadioDocument::RebuildValidChannels() {
    m_validChannels = BuildValidChannels(m_image);
    m_validListStale = -1;
}

void RadioDocument::SetModified(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    if (modifiedChanged) modifiedChanged(modified);
}

}  // namespace rk
