#pragma once
// Scan groups A and B: adding the selected channel at its sorted place and
// removing the marked members. The groups are settings, not channel data.

#include "RadioImage.h"

class QPushButton;

namespace rk {

class ChannelListsPanel;
class ChoiceList;
class FormState;

class ScanGroupsPanel {
public:
    struct Controls {
        ChoiceList* groupA;
        ChoiceList* groupB;
        QPushButton* addToA;
        QPushButton* addToB;
        QPushButton* remove;
    };
    ScanGroupsPanel(FormState& state, const ChannelListsPanel& lists, Controls controls);

    void Show();

private:
    void OnAdd(ScanGroup group);
    void OnRemove();
    void Fill(ScanGroup group);
    ChoiceList* List(ScanGroup group) const { return group == ScanGroup::A ? m_controls.groupA : m_controls.groupB; }

    FormState& m_state;
    const ChannelListsPanel& m_lists;
    Controls m_controls;
};

}  // namespace rk
