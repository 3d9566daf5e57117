#include "RadioDocument.h"

#include "SortedSlots.h"

namespace rk {

bool RadioDocument::OnNewDocument() {
    m_image = RadioImage{};
    auto settings = m_image.Settings();
    for (auto& slot : settings.scanGroupA()) slot = kEmptySlot;
    for (auto& slot : settings.scanGroupB()) slot = kEmptySlot;
    for (int c = 0; c < kChannelCount; ++c) m_image.Channel(c).setSquelchLevel(3);
    settings.setTotLimit(50);
    settings.setSettingsByte1(15);
    RebuildValidChannels();
    SetCurrentChannel(kNoChannel);
    SetModified(false);
    return true;
}

void RadioDocument::LoadImage(const RadioImage& image) {
    m_image = image;
    RebuildValidChannels();
    SetCurrentChannel(kNoChannel);
    SetModified(false);
}

void RadioDocument::TakeReadImage(const RadioImage& image) {
    m_image = image;
    RebuildValidChannels();
    SetCurrentChannel(0);
    SetModified(true);
}

bool RadioDocument::TakeImportedImage(const RadioImage& image) {
    const bool changed = Edit([&](RadioImage& current) { current = image; });
    RebuildValidChannels();
    return changed;
}

bool RadioDocument::Edit(const std::function<void(RadioImage&)>& edit) {
    const RadioImage before = m_image;
    edit(m_image);
    const bool changed = !(m_image == before);
    if (changed) SetModified(true);
    return changed;
}

bool RadioDocument::EditChannel(int channel, const std::function<void(const ChannelRecord&)>& edit) {
    if (channel < 0 || channel >= kChannelCount) return false;
    return Edit([&](RadioImage& image) { edit(image.Channel(channel)); });
}

bool RadioDocument::EditSettings(const std::function<void(const SettingsBlock&)>& edit) {
    return Edit([&](RadioImage& image) { edit(image.Settings()); });
}

void RadioDocument::RefreshDerived(const std::function<void(RadioImage&)>& refresh) { refresh(m_image); }

RadioDocument::ValidListChange RadioDocument::SyncValidChannel(int channel) {
    ValidListChange change;
    if (channel < 0 || channel >= kChannelCount) return change;
    change.configured = m_image.IsChannelConfigured(channel);
    if (change.configured) {
        const auto found = FindSlot(m_validChannels, channel);
        change.position = InsertSorted(m_validChannels, channel);
        change.changed = !found;
        return change;
    }
    change.position = FindSlot(m_validChannels, channel);
    if (change.position) {
        RemoveSlot(m_validChannels, *change.position);
        change.changed = true;
    }
    return change;
}

void RadioDocument::RebuildValidChannels() {
    m_validChannels = BuildValidChannels(m_image);
    ++m_validListVersion;
}

void RadioDocument::SetCurrentChannel(std::int32_t channel) {
    if (m_currentChannel == channel) return;
    m_currentChannel = channel;
    // A copy: a listener may add or remove listeners.
    const auto listeners = m_channelListeners;
    for (const auto& entry : listeners) entry.second(channel);
}

RadioDocument::ListenerId RadioDocument::AddCurrentChannelListener(std::function<void(std::int32_t)> listener) {
    m_channelListeners.emplace_back(m_nextListener, std::move(listener));
    return m_nextListener++;
}

void RadioDocument::RemoveCurrentChannelListener(ListenerId id) {
    std::erase_if(m_channelListeners, [id](const auto& entry) { return entry.first == id; });
}

void RadioDocument::SetModified(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    if (modifiedChanged) modifiedChanged(modified);
}

}  // namespace rk
