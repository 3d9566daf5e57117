#include "ChannelListsPanel.h"

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "FormState.h"
#include "SortedSlots.h"

namespace rk {

ChannelListsPanel::ChannelListsPanel(FormState& state, ChoiceList* selector, ChoiceList* validList,
                                     std::function<void(int)> showChannel)
    : m_state(state), m_selector(selector), m_validList(validList), m_showChannel(std::move(showChannel)) {
    QObject::connect(m_selector, &ChoiceList::userChose, m_selector, [this] { OnSelectorChosen(); });
    QObject::connect(m_validList, &ChoiceList::userChose, m_validList, [this] { OnValidListChosen(); });
}

void ChannelListsPanel::FillFixed() {
    m_selector->SetEntries(ChannelNames(m_state.profile));
    m_selector->SelectRow(0);
}

int ChannelListsPanel::SelectorRow() const { return m_selector->SelectedRow(); }

void ChannelListsPanel::OnSelectorChosen() {
    RadioDocument& document = m_state.document;
    const int s = m_selector->SelectedRow();
    if (s != -1) document.SetCurrentChannel(s);
    if (m_state.editChannel != document.CurrentChannel()) {
        m_state.editChannel = document.CurrentChannel();
        m_showChannel(m_state.editChannel);
    }
    m_state.validListPos = FindSlot(document.ValidChannels(), s).value_or(-1);
    m_validList->SelectRow(m_state.validListPos);
}

void ChannelListsPanel::OnValidListChosen() {
    const int p = m_validList->SelectedRow();
    if (p < 0 || p >= kChannelCount) return;
    const int c = m_state.document.ValidChannels()[static_cast<std::size_t>(p)];
    // The list shows only entries before the first free slot.
    if (c >= kChannelCount) return;
    m_selector->SelectRow(c);
    m_state.document.SetCurrentChannel(c);
    m_state.editChannel = c;
    m_state.validListPos = p;
    m_showChannel(c);
}

void ChannelListsPanel::Sync() {
    if (m_selector->SelectedRow() < 0) return;
    const auto change = m_state.document.SyncValidChannel(m_state.editChannel);
    if (change.configured) {
        m_state.validListPos = change.position.value_or(kChannelCount);
        Fill();
        m_validList->SelectRow(m_state.validListPos);
        return;
    }
    m_state.validListPos = change.position.value_or(kNoChannel);
    if (change.changed) Fill();
}

void ChannelListsPanel::Refresh() {
    if (!m_state.document.ValidListNeedsRefill()) return;
    m_state.document.MarkValidListShown();
    Fill();
    m_validList->SelectRow(m_state.validListPos);
}

void ChannelListsPanel::Fill() {
    QStringList names;
    for (const std::uint8_t c : m_state.document.ValidChannels()) {
        if (c == kEmptySlot) break;
        names << SlotText(m_state.profile, c);
    }
    m_validList->SetEntries(names);
}

void ChannelListsPanel::ShowRead() {
    m_state.document.SetCurrentChannel(0);
    m_state.editChannel = 0;
    m_selector->SelectRow(0);
    m_showChannel(0);
    Refresh();
    if (m_state.document.Image().IsChannelConfigured(0)) m_validList->SelectRow(0);
}

void ChannelListsPanel::ShowRefused(int channel) {
    if (channel < 0 || channel >= kChannelCount) return;
    m_state.document.SetCurrentChannel(channel);
    m_state.editChannel = channel;
    m_selector->SelectRow(channel);
    if (const auto at = FindSlot(m_state.document.ValidChannels(), channel)) m_state.validListPos = *at;
    m_validList->SelectRow(m_state.validListPos);
    m_showChannel(channel);
}

void ChannelListsPanel::ShowImported() {
    m_state.validListPos = FindSlot(m_state.document.ValidChannels(), m_state.editChannel).value_or(-1);
    m_state.document.SetCurrentChannel(m_state.editChannel);
    m_showChannel(m_state.editChannel);
}

void ChannelListsPanel::StartOver() {
    m_state.validListPos = -1;
    RadioDocument& document = m_state.document;
    if (document.CurrentChannel() == m_state.editChannel) return;
    // kNoChannel after New and Open; anything else outside 0..63 can only come
    // from a caller's mistake.
    if (document.CurrentChannel() < 0 || document.CurrentChannel() >= kChannelCount) document.SetCurrentChannel(0);
    m_state.editChannel = document.CurrentChannel();
    m_showChannel(m_state.editChannel);
    if (document.Image().IsChannelConfigured(0)) m_validList->SelectRow(0);
}

}  // namespace rk
