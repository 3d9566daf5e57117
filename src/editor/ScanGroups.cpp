// Scan groups A and B: adding the selected channel at its sorted place and
// removing the marked members. The groups are settings, not channel data.

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "FormView.h"
#include "SortedSlots.h"

namespace rk {

void FormView::OnAddToGroup(ScanGroup group) {
    if (m_rxFreqMHz == 0 || m_txFreqMHz == 0) return;
    const int c = m_channelList->SelectedRow();
    // Without a chosen channel there is nothing to add.
    if (c < 0 || c >= kChannelCount) return;
    EditSettings([&](const SettingsBlock& settings) { InsertSorted(settings.scanGroup(group), c); });
    FillGroupList(group);
    ShowForm();
}

void FormView::OnRemoveFromGroups() {
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        ChoiceList* list = group == ScanGroup::A ? m_groupAList : m_groupBList;
        const int i = list->SelectedRow();
        if (i < 0) continue;
        EditSettings([&](const SettingsBlock& settings) { RemoveSlot(settings.scanGroup(group), i); });
        FillGroupList(group);
        ShowForm();
    }
}

void FormView::FillGroupList(ScanGroup group) {
    QStringList names;
    for (const std::uint8_t slot : m_document.Image().Settings().scanGroup(group)) {
        if (slot == kEmptySlot) break;
        names << SlotText(m_profile, slot);
    }
    (group == ScanGroup::A ? m_groupAList : m_groupBList)->SetEntries(names);
}

}  // namespace rk
