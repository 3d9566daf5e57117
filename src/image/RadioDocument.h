#pragma once
// The document: one radio image and what is derived from it. It lives for the
// whole program; New, Open and a completed read refill it in place. Every
// change goes through the operations below, so the changed state and the
// configured-channel list always follow the image.

#include <cstdint>
#include <functional>
#include <optional>

#include "RadioImage.h"

namespace rk {

inline constexpr std::int32_t kNoChannel = 255;

class RadioDocument {
public:
    RadioDocument() = default;
    virtual ~RadioDocument() = default;
    RadioDocument(const RadioDocument&) = delete;
    RadioDocument& operator=(const RadioDocument&) = delete;

    // The new document's image (NewDocument.h). Clears the changed state.
    bool OnNewDocument();
    // Takes a whole image that came from a file. Clears the changed state.
    void LoadImage(const RadioImage& image);
    // Takes the image of a completed read: channel 0 becomes current and the
    // document counts as changed.
    void TakeReadImage(const RadioImage& image);
    // Takes an image made from this one by an import of channels: the
    // configured-channel list is rebuilt and the current channel stays. The
    // document counts as changed when any byte did; returns whether one did.
    bool TakeImportedImage(const RadioImage& image);

    const RadioImage& Image() const { return m_image; }

    // One edit of the image. When the bytes differ afterwards the document is
    // marked changed; an edit that changes nothing leaves that state alone.
    // Returns whether the bytes changed.
    bool Edit(const std::function<void(RadioImage&)>& edit);
    bool EditChannel(int channel, const std::function<void(const ChannelRecord&)>& edit);
    bool EditSettings(const std::function<void(const SettingsBlock&)>& edit);
    // The derived fields the pre-write check refreshes; not a change of the
    // user's data, so the changed state stays as it is.
    void RefreshDerived(const std::function<void(RadioImage&)>& refresh);

    // Configured channel indexes in ascending order, 0xFF after the last.
    const ValidChannelList& ValidChannels() const { return m_validChannels; }
    // After channel c's frequencies changed: a configured channel takes its
    // sorted place in the list, an unconfigured one leaves it. `position` is
    // where it now stands or stood, `changed` whether the list moved.
    struct ValidListChange {
        std::optional<int> position;
        bool configured = false;
        bool changed = false;
    };
    ValidListChange SyncValidChannel(int channel);
    // The list was rebuilt from the image and its display needs a refill;
    // the view says when it has refilled it.
    bool ValidListNeedsRefill() const { return m_validListStale == -1; }
    void MarkValidListShown() { m_validListStale = 1; }

    // The channel the user works on, or kNoChannel after New and Open.
    std::int32_t CurrentChannel() const { return m_currentChannel; }
    void SetCurrentChannel(std::int32_t channel) { m_currentChannel = channel; }

    // Whether the image changed since it was created, opened, or saved.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);
    std::function<void(bool)> modifiedChanged;
    // After any change of the image's bytes, whoever made it; views that
    // show many channels at once follow the image through it.
    std::function<void()> imageChanged;

    // After edits that may change which channels are configured: the list
    // is rebuilt and its display marked for a refill.
    void RebuildValidChannels();

private:
    void NotifyImageChanged();

    RadioImage m_image;
    ValidChannelList m_validChannels{};
    std::int32_t m_currentChannel = kNoChannel;
    std::int32_t m_validListStale = -1;
    bool m_modified = false;
};

}  // namespace rk
