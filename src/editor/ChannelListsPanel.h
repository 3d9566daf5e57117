#pragma once
// The channel selector (all 64 channels) and the configured-channel list:
// choosing a channel in either makes it the document's current channel, and
// both follow that channel whoever changes it. The configured list's display
// is refilled whenever the document rebuilt the list.

#include <cstdint>
#include <functional>
#include <optional>

#include "RadioDocument.h"

namespace rk {

class ChoiceList;
class FormState;

class ChannelListsPanel {
public:
    // `showChannel` loads the whole form from one channel.
    ChannelListsPanel(FormState& state, ChoiceList* selector, ChoiceList* validList,
                      std::function<void(int)> showChannel);
    ~ChannelListsPanel();
    ChannelListsPanel(const ChannelListsPanel&) = delete;
    ChannelListsPanel& operator=(const ChannelListsPanel&) = delete;

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
    void ShowRestored();
    // After New and Open: channel 0 becomes current and is shown.
    void StartOver();

private:
    void OnSelectorChosen();
    void OnValidListChosen();
    // The document's current channel changed.
    void Follow(std::int32_t channel);
    void Fill();

    FormState& m_state;
    ChoiceList* m_selector;
    ChoiceList* m_validList;
    std::function<void(int)> m_showChannel;
    RadioDocument::ListenerId m_listener;
    // The list version the configured list shows; none before the first fill.
    std::optional<std::uint32_t> m_shownListVersion;
};

}  // namespace rk
