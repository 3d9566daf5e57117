#pragma once
// The channel selector (all 64 channels) and the configured-channel list:
// choosing a channel in either, and keeping the list's display in step with
// the document's configured-channel list.

#include <functional>

namespace rk {

class ChoiceList;
class FormState;

class ChannelListsPanel {
public:
    // `showChannel` loads the whole form from one channel.
    ChannelListsPanel(FormState& state, ChoiceList* selector, ChoiceList* validList,
                      std::function<void(int)> showChannel);

    void FillFixed();
    // The selector's row: the channel the user last chose there, or -1.
    int SelectorRow() const;
    // After the edited channel's frequencies changed.
    void Sync();
    // Refills the configured-channel list when the document rebuilt it.
    void Refresh();
    void ShowRead();
    void ShowRefused(int channel);
    void ShowImported();
    // After New and Open: the document's current channel becomes the edited one.
    void StartOver();

private:
    void OnSelectorChosen();
    void OnValidListChosen();
    void Fill();

    FormState& m_state;
    ChoiceList* m_selector;
    ChoiceList* m_validList;
    std::function<void(int)> m_showChannel;
};

}  // namespace rk
