// The channel selector (all 64 channels) and the configured-channel list, and
// keeping the latter's display in step with the document's list.

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "FormView.h"
#include "SortedSlots.h"

namespace rk {

void FormView::OnChannelSelectorChosen() {
    const int s = m_channelList->SelectedRow();
    if (s != -1) m_document.SetCurrentChannel(s);
    if (m_editChannel != m_document.CurrentChannel()) {
        m_editChannel = m_document.CurrentChannel();
        ShowChannel(m_editChannel);
    }
    m_validListPos = FindSlot(m_document.ValidChannels(), s).value_or(-1);
    m_validList->SelectRow(m_validListPos);
}

void FormView::OnValidListChosen() {
    const int p = m_validList->SelectedRow();
    if (p < 0 || p >= kChannelCount) return;
    const int c = m_document.ValidChannels()[static_cast<std::size_t>(p)];
    // The list shows only entries before the first free slot.
    if (c >= kChannelCount) return;
    m_channelList->SelectRow(c);
    m_document.SetCurrentChannel(c);
    m_editChannel = c;
    m_validListPos = p;
    ShowChannel(c);
}

void FormView::SyncValidList() {
    if (m_channelList->SelectedRow() < 0) return;
    const auto change = m_document.SyncValidChannel(m_editChannel);
    if (change.configured) {
        m_validListPos = change.position.value_or(kChannelCount);
        FillValidList();
        m_validList->SelectRow(m_validListPos);
        return;
    }
    m_validListPos = change.position.value_or(kNoChannel);
    if (change.changed) FillValidList();
}

void FormView::RefreshValidList() {
    if (!m_document.ValidListNeedsRefill()) return;
    m_document.MarkValidListShown();
    FillValidList();
    m_validList->SelectRow(m_validListPos);
}

void FormView::FillValidList() {
    QStringList names;
    for (const std::uint8_t c : m_document.ValidChannels()) {
        if (c == kEmptySlot) break;
        names << SlotText(m_profile, c);
    }
    m_validList->SetEntries(names);
}

void FormView::ShowReadImage() {
    m_document.SetCurrentChannel(0);
    m_editChannel = 0;
    m_channelList->SelectRow(0);
    ShowChannel(0);
    RefreshValidList();
    if (m_document.Image().IsChannelConfigured(0)) m_validList->SelectRow(0);
}

void FormView::ShowRefusedChannel(int channel) {
    if (channel < 0 || channel >= kChannelCount) return;
    m_document.SetCurrentChannel(channel);
    m_editChannel = channel;
    m_channelList->SelectRow(channel);
    if (const auto at = FindSlot(m_document.ValidChannels(), channel)) m_validListPos = *at;
    m_validList->SelectRow(m_validListPos);
    ShowChannel(channel);
}

void FormView::ShowImportedImage() {
    const auto at = FindSlot(m_document.ValidChannels(), m_editChannel);
    m_validListPos = at ? *at : -1;
    m_document.SetCurrentChannel(m_editChannel);
    ShowChannel(m_editChannel);
}

}  // namespace rk
