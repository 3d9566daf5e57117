#include "RadioDocument.h"

#include "NewDocument.h"

namespace rk {

bool RadioDocument::OnNewDocument() {
    LoadImage(NewDocumentImage());
    return true;
}

void RadioDocument::LoadImage(const RadioImage& image) {
    const bool wasModified = IsModified();
    m_image = image;
    m_history.Clear();
    RebuildValidChannels(ListRebuild::WholeImage);
    SetCurrentChannel(kNoChannel);
    Announce(wasModified);
}

void RadioDocument::TakeReadImage(const RadioImage& image) {
    const RadioImage before = m_image;
    m_image = image;
    Record(before, {StepKind::Read, m_currentChannel, 0}, 0, ListRebuild::WholeImage);
    SetCurrentChannel(0);
}

bool RadioDocument::TakeImportedImage(const RadioImage& image) {
    return TakeWholeImage(image, {StepKind::Import, m_currentChannel, m_currentChannel});
}

bool RadioDocument::TakeRowsImage(const RadioImage& image, RowCommand command) {
    return TakeWholeImage(image, {StepKind::Rows, m_currentChannel, m_currentChannel, command});
}

bool RadioDocument::TakeWholeImage(const RadioImage& image, const StepInfo& info) {
    const RadioImage before = m_image;
    m_image = image;
    const bool changed = Record(before, info, 0, ListRebuild::WholeImage);
    // Even an image of the same bytes refills the list's display.
    if (!changed) RebuildValidChannels(ListRebuild::WholeImage);
    return changed;
}

bool RadioDocument::Edit(const std::function<void(RadioImage&)>& edit, int typingKey) {
    const RadioImage before = m_image;
    edit(m_image);
    return Record(before, {StepKind::Edit, m_currentChannel, m_currentChannel}, typingKey, ListRebuild::Edit);
}

bool RadioDocument::EditChannel(int channel, const std::function<void(const ChannelRecord&)>& edit, int typingKey) {
    if (channel < 0 || channel >= kChannelCount) return false;
    return Edit([&](RadioImage& image) { edit(image.Channel(channel)); }, typingKey);
}

bool RadioDocument::EditSettings(const std::function<void(const SettingsBlock&)>& edit, int typingKey) {
    return Edit([&](RadioImage& image) { edit(image.Settings()); }, typingKey);
}

void RadioDocument::RefreshDerived(const std::function<void(RadioImage&)>& refresh) {
    const RadioImage before = m_image;
    refresh(m_image);
    if (m_image == before) return;
    m_history.Absorb(before, m_image);
    RebuildValidChannels(ListRebuild::Edit);
    imageChanged.Notify();
}

bool RadioDocument::Record(const RadioImage& before, const StepInfo& info, int typingKey, ListRebuild rebuild) {
    const bool wasModified = IsModified();
    if (!m_history.Record(before, m_image, info, typingKey)) return false;
    RebuildValidChannels(rebuild);
    Announce(wasModified);
    return true;
}

std::optional<StepInfo> RadioDocument::Undo() { return Travel(true); }

std::optional<StepInfo> RadioDocument::Redo() { return Travel(false); }

std::optional<StepInfo> RadioDocument::Travel(bool back) {
    const bool wasModified = IsModified();
    const auto step = back ? m_history.Undo(m_image) : m_history.Redo(m_image);
    if (!step) return step;
    RebuildValidChannels(ListRebuild::WholeImage);
    SetCurrentChannel(back ? step->channelBefore : step->channelAfter);
    Announce(wasModified);
    return step;
}

void RadioDocument::MarkSaved() {
    const bool wasModified = IsModified();
    m_history.MarkSaved();
    Announce(wasModified);
}

void RadioDocument::Announce(bool wasModified) {
    if (IsModified() != wasModified) modifiedChanged.Notify(IsModified());
    historyChanged.Notify();
    imageChanged.Notify();
}

void RadioDocument::RebuildValidChannels(ListRebuild rebuild) {
    const ValidChannelList before = m_validChannels;
    m_validChannels = BuildValidChannels(m_image);
    if (rebuild == ListRebuild::WholeImage || m_validChannels != before) ++m_validListVersion;
}

void RadioDocument::SetCurrentChannel(std::int32_t channel) {
    if (m_currentChannel == channel) return;
    m_currentChannel = channel;
    // Another channel: typing there starts a step of its own.
    m_history.EndTyping();
    currentChannelChanged.Notify(channel);
}

}  // namespace rk
