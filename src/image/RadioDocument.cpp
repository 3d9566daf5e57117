#include "RadioDocument.h"

#include "NewDocument.h"
#include "SortedSlots.h"

namespace rk {

bool RadioDocument::OnNewDocument() {
    m_currentChannel = kNoChannel;
    m_image = NewDocumentImage();
    RebuildValidChannels();
    SetModified(false);
    NotifyImageChanged();
    return true;
}

void RadioDocument::LoadImage(const RadioImage& image) {
    m_image = image;
    m_currentChannel = kNoChannel;
    RebuildValidChannels();
    SetModified(false);
    NotifyImageChanged();
}

void RadioDocument::TakeReadImage(const RadioImage& image) {
    m_image = image;
    m_currentChannel = 0;
    RebuildValidChannels();
    SetModified(true);
    NotifyImageChanged();
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
    if (changed) NotifyImageChanged();
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
    m_validListStale = -1;
}

void RadioDocument::NotifyImageChanged() {
    if (imageChanged) imageChanged();
}

void RadioDocument::SetModified(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    if (modifiedChanged) modifiedChanged(modified);
}

}  // namespace rk
