#include "ScanGroupsPanel.h"

#include <QPushButton>

#include "ChannelListsPanel.h"
#include "ChannelNames.h"
#include "ChoiceList.h"
#include "FormState.h"
#include "SortedSlots.h"

namespace rk {

ScanGroupsPanel::ScanGroupsPanel(FormState& state, const ChannelListsPanel& lists, Controls controls)
    : m_state(state), m_lists(lists), m_controls(controls) {
    QObject::connect(m_controls.addToA, &QPushButton::clicked, m_controls.addToA, [this] { OnAdd(ScanGroup::A); });
    QObject::connect(m_controls.addToB, &QPushButton::clicked, m_controls.addToB, [this] { OnAdd(ScanGroup::B); });
    QObject::connect(m_controls.remove, &QPushButton::clicked, m_controls.remove, [this] { OnRemove(); });
    // Choosing a member of a group only marks it for the remove button.
}

void ScanGroupsPanel::Show() {
    const ConstSettingsBlock settings = m_state.document.Image().Settings();
    QStringList groupA;
    QStringList groupB;
    // An entry lands only where the list already reaches, so a group shows up
    // to its first empty slot.
    for (int i = 0; i < kScanGroupSlots; ++i) {
        const std::uint8_t a = settings.scanGroupA()[static_cast<std::size_t>(i)];
        if (a != kEmptySlot && i <= groupA.size()) groupA << SlotText(m_state.profile, a);
        const std::uint8_t b = settings.scanGroupB()[static_cast<std::size_t>(i)];
        if (b != kEmptySlot && i <= groupB.size()) groupB << SlotText(m_state.profile, b);
    }
    m_controls.groupA->SetEntries(groupA);
    m_controls.groupB->SetEntries(groupB);
}

void ScanGroupsPanel::OnAdd(ScanGroup group) {
    if (m_state.values.rxFreqMHz == 0 || m_state.values.txFreqMHz == 0) return;
    const int c = m_lists.SelectorRow();
    // Without a chosen channel there is nothing to add.
    if (c < 0 || c >= kChannelCount) return;
    m_state.EditSettings([&](const SettingsBlock& settings) { InsertSorted(settings.scanGroup(group), c); });
    Fill(group);
    m_state.ShowForm();
}

void ScanGroupsPanel::OnRemove() {
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        const int i = List(group)->SelectedRow();
        if (i < 0) continue;
        m_state.EditSettings([&](const SettingsBlock& settings) { RemoveSlot(settings.scanGroup(group), i); });
        Fill(group);
        m_state.ShowForm();
    }
}

void ScanGroupsPanel::Fill(ScanGroup group) {
    QStringList names;
    for (const std::uint8_t slot : m_state.document.Image().Settings().scanGroup(group)) {
        if (slot == kEmptySlot) break;
        names << SlotText(m_state.profile, slot);
    }
    List(group)->SetEntries(names);
}

}  // namespace rk
