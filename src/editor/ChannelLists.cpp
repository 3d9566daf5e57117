// The channel selector (all 64 channels) and the configured-channel list, and
// keeping the latter in step with the document's m_validChannels.

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "FormView.h"
#include "SortedSlots.h"

namespace rk {

void FormView::OnChannelSelectorChosen() {
    const int s = m_channelList->SelectedRow();
    if (s != -1) m_document.m_currentChannel = s;
    if (m_editChannel != m_document.m_currentChannel) {
        m_editChannel = m_document.m_currentChannel;
        ShowChannel(m_editChannel);
    }
    m_validListPos = FindSlot(m_document.m_validChannels, s).value_or(-1);
    m_validList->SelectRow(m_validListPos);
}

void FormView::OnValidListChosen() {
    const int p = m_validList->SelectedRow();
    if (p < 0 || p >= kChannelCount) return;
    const int c = m_document.m_validChannels[static_cast<std::size_t>(p)];
    // The list shows only entries before the first free slot.
    if (c >= kChannelCount) return;
    m_channelList->SelectRow(c);
    m_document.m_currentChannel = c;
    m_editChannel = c;
    m_validListPos = p;
    ShowChannel(c);
}

void FormView::SyncValidList() {
    const int s = m_channelList->SelectedRow();
    if (s < 0) return;
    auto& valid = m_document.m_validChannels;
    if (m_document.m_image.IsChannelConfigured(m_editChannel)) {
        m_validListPos = InsertSorted(valid, s).value_or(kChannelCount);
        FillValidList();
        m_validList->SelectRow(m_validListPos);
        return;
    }
    m_validListPos = kNoChannel;
    if (const auto at = FindSlot(valid, s)) {
        m_validListPos = *at;
        RemoveSlot(valid, *at);
        FillValidList();
    }
}

void FormView::RefreshValidList() {
    if (m_document.m_validListStale != -1) return;
    m_document.m_validListStale = 1;
    FillValidList();
    m_validList->SelectRow(m_validListPos);
}

void FormView::FillValidList() {
    QStringList names;
    for (const std::uint8_t c : m_document.m_validChannels) {
        if (c == kEmptySlot) break;
        names << SlotText(m_profile, c);
    }
    m_validList->SetEntries(names);
}

void FormView::ShowReadImage() {
    m_document.m_currentChannel = 0;
    m_editChannel = 0;
    m_channelList->SelectRow(0);
    ShowChannel(0);
    RefreshValidList();
    if (m_document.m_image.IsChannelConfigured(0)) m_validList->SelectRow(0);
}

void FormView::ShowRefusedChannel(int channel) {
    if (channel < 0 || channel >= kChannelCount) return;
    m_document.m_currentChannel = channel;
    m_editChannel = channel;
    m_channelList->SelectRow(channel);
    if (const auto at = FindSlot(m_document.m_validChannels, channel)) m_validListPos = *at;
    m_validList->SelectRow(m_validListPos);
    ShowChannel(channel);
}

}  // namespace rk
