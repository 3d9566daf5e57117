#pragma once
// The channel selector (all 64 channels) and the configured-channel list:
// choosing a channel in either makes it the document's current channel, and
// both follow that channel whoever changes it. The configured list's display
// is refilled whenever the document's list may have moved.

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
    ChannelListsPanel(const ChannelListsPanel&) = delete;
    ChannelListsPanel& operator=(const ChannelListsPanel&) = delete;

    void FillFixed();
    // The selector's row: the channel the user last chose there, or -1.
    int SelectorRow() const;
    // After the edited channel's frequencies changed: selects it in the
    // configured list, or takes it out of the display.
    void Sync();
    // Refills the configured-channel list when the document's list moved.
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
    // The list the configured list shows (empty before the first fill) and
    // its version (none before it).
    ValidChannelList m_shownList;
    std::optional<std::uint32_t> m_shownListVersion;
    Subscription m_listener;
};

}  // namespace rk
