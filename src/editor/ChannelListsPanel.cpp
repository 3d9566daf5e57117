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
    m_shownList.fill(kEmptySlot);
    m_listener = m_state.document.currentChannelChanged.Add([this](std::int32_t c) { Follow(c); });
}

void ChannelListsPanel::FillFixed() {
    m_selector->SetEntries(ChannelNames(m_state.profile));
    m_selector->SelectRow(0);
}

int ChannelListsPanel::SelectorRow() const { return m_selector->SelectedRow(); }

// kNoChannel (New, Open) changes nothing shown: the form keeps its channel
// until it starts over.
void ChannelListsPanel::Follow(std::int32_t channel) {
    if (channel < 0 || channel >= kChannelCount) return;
    m_selector->SelectRow(channel);
    m_showChannel(channel);
}

void ChannelListsPanel::OnSelectorChosen() {
    const int s = m_selector->SelectedRow();
    if (s != -1) m_state.document.SetCurrentChannel(s);
    m_state.validListPos = FindSlot(m_state.document.ValidChannels(), s).value_or(-1);
    m_validList->SelectRow(m_state.validListPos);
}

void ChannelListsPanel::OnValidListChosen() {
    const int p = m_validList->SelectedRow();
    if (p < 0 || p >= kChannelCount) return;
    const int c = m_state.document.ValidChannels()[static_cast<std::size_t>(p)];
    // The list shows only entries before the first free slot.
    if (c >= kChannelCount) return;
    m_state.validListPos = p;
    // The configured list shows its channel even when it is already current.
    if (m_state.document.CurrentChannel() == c) {
        Follow(c);
    } else {
        m_state.document.SetCurrentChannel(c);
    }
}

// The document has rebuilt its list; the display shows the list from before
// the edit, where a channel that left it stood.
void ChannelListsPanel::Sync() {
    if (m_selector->SelectedRow() < 0) return;
    const int c = m_state.Channel();
    const RadioDocument& document = m_state.document;
    if (document.Image().IsChannelConfigured(c)) {
        m_state.validListPos = FindSlot(document.ValidChannels(), c).value_or(kChannelCount);
        Fill();
        m_validList->SelectRow(m_state.validListPos);
        return;
    }
    m_state.validListPos = FindSlot(m_shownList, c).value_or(kNoChannel);
    if (document.ValidChannels() != m_shownList) Fill();
}

void ChannelListsPanel::Refresh() {
    if (m_shownListVersion == m_state.document.ValidListVersion()) return;
    Fill();
    m_validList->SelectRow(m_state.validListPos);
}

void ChannelListsPanel::Fill() {
    m_shownListVersion = m_state.document.ValidListVersion();
    m_shownList = m_state.document.ValidChannels();
    QStringList names;
    for (const std::uint8_t c : m_shownList) {
        if (c == kEmptySlot) break;
        names << SlotText(m_state.profile, c);
    }
    m_validList->SetEntries(names);
}

void ChannelListsPanel::ShowRead() {
    if (m_state.document.CurrentChannel() == 0) {
        Follow(0);
    } else {
        m_state.document.SetCurrentChannel(0);
    }
    Refresh();
    if (m_state.document.Image().IsChannelConfigured(0)) m_validList->SelectRow(0);
}

void ChannelListsPanel::ShowRefused(int channel) {
    if (channel < 0 || channel >= kChannelCount) return;
    if (const auto at = FindSlot(m_state.document.ValidChannels(), channel)) m_state.validListPos = *at;
    m_validList->SelectRow(m_state.validListPos);
    if (m_state.document.CurrentChannel() == channel) {
        Follow(channel);
    } else {
        m_state.document.SetCurrentChannel(channel);
    }
}

void ChannelListsPanel::ShowImported() {
    m_state.validListPos = FindSlot(m_state.document.ValidChannels(), m_state.Channel()).value_or(-1);
    m_showChannel(m_state.Channel());
}

void ChannelListsPanel::ShowRestored() {
    const int c = m_state.Channel();
    m_state.validListPos = FindSlot(m_state.document.ValidChannels(), c).value_or(-1);
    Follow(c);
    m_validList->SelectRow(m_state.validListPos);
}

void ChannelListsPanel::StartOver() {
    m_state.validListPos = -1;
    RadioDocument& document = m_state.document;
    // kNoChannel after New and Open; anything else outside 0..63 can only come
    // from a caller's mistake.
    const int c = document.CurrentChannel();
    if (c < 0 || c >= kChannelCount) {
        document.SetCurrentChannel(0);
    } else {
        m_showChannel(c);
    }
    if (document.Image().IsChannelConfigured(0)) m_validList->SelectRow(0);
}

}  // namespace rk
