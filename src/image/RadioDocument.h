#pragma once
// The document: one radio image, its edit history and what is derived from
// them. It lives for the whole program; New, Open and a completed read refill
// it in place. Every change goes through the operations below, so each one is
// a step of the history, and the document itself brings the changed state
// and the configured-channel list up to date before it tells its listeners.
// Any number of listeners (windows, panels, menus) follow the image, the
// history, the changed state and the current channel.

#include <cstdint>
#include <functional>
#include <optional>

#include "EditHistory.h"
#include "Listeners.h"
#include "RadioImage.h"

namespace rk {

inline constexpr std::int32_t kNoChannel = 255;

class RadioDocument {
public:
    RadioDocument() = default;
    virtual ~RadioDocument() = default;
    RadioDocument(const RadioDocument&) = delete;
    RadioDocument& operator=(const RadioDocument&) = delete;

    // The new document's image (NewDocument.h). Starts a fresh history,
    // unchanged.
    bool OnNewDocument();
    // Takes a whole image that came from a file. Starts a fresh history,
    // unchanged.
    void LoadImage(const RadioImage& image);
    // Takes the image of a completed read as one step: channel 0 becomes
    // current. Undone, it gives back the image and channel from before.
    void TakeReadImage(const RadioImage& image);
    // Takes an image made from this one by an import of channels, as one step:
    // the configured-channel list is rebuilt and the current channel stays.
    // Returns whether any byte changed.
    bool TakeImportedImage(const RadioImage& image);
    // The same for an image made by a row command of the channel table.
    bool TakeRowsImage(const RadioImage& image, RowCommand command);

    const RadioImage& Image() const { return m_image; }

    // One edit of the image, one step of the history when bytes changed;
    // returns whether they did; the configured-channel list follows. Edits of
    // one number field (`typingKey`, not 0) in a row on one channel make one
    // step, as typing does in an editor.
    bool Edit(const std::function<void(RadioImage&)>& edit, int typingKey = 0);
    bool EditChannel(int channel, const std::function<void(const ChannelRecord&)>& edit, int typingKey = 0);
    bool EditSettings(const std::function<void(const SettingsBlock&)>& edit, int typingKey = 0);
    // The next typed edit starts a step of its own (the field lost the focus).
    void EndTyping() { m_history.EndTyping(); }
    // The derived fields the pre-write check refreshes: no step of their own
    // and no change of the user's data, so the changed state stays as it is.
    // Undoing the step the history is at still gives the bytes from before
    // it, and redoing the step ahead gives exactly the bytes it made.
    void RefreshDerived(const std::function<void(RadioImage&)>& refresh);

    // The history: what Undo and Redo would act on, and acting on it. Each
    // returns the step it undid or redid; its channel becomes current and
    // the configured-channel list is rebuilt.
    const EditHistory& History() const { return m_history; }
    std::optional<StepInfo> Undo();
    std::optional<StepInfo> Redo();
    // Any change of the history: a step made, undone or redone, a fresh start.
    Listeners<> historyChanged;

    // Configured channel indexes in ascending order, 0xFF after the last.
    const ValidChannelList& ValidChannels() const { return m_validChannels; }
    // Counts the rebuilds of the list that may have changed it: every whole
    // image taken (New, Open, a read, an import, row commands, undo, redo)
    // and every edit that changed it. A display that shows another count
    // refills itself.
    std::uint32_t ValidListVersion() const { return m_validListVersion; }

    // The one current channel: the channel the user works on, or kNoChannel
    // after New and Open. The form, both channel lists and whatever else
    // shows a channel follow it through a listener.
    std::int32_t CurrentChannel() const { return m_currentChannel; }
    // Listeners hear every change, with the new channel (kNoChannel included).
    void SetCurrentChannel(std::int32_t channel);
    Listeners<std::int32_t> currentChannelChanged;

    // Whether the history is away from the point where the image was last
    // saved or opened.
    bool IsModified() const { return !m_history.AtSavedPoint(); }
    // The image was saved: this point of the history is the saved one.
    void MarkSaved();
    Listeners<bool> modifiedChanged;
    // After any change of the image's bytes, whoever made it; views that
    // show many channels at once follow the image through it.
    Listeners<> imageChanged;

private:
    // Whether the configured list is rebuilt from a whole image taken (its
    // display always refills) or after an edit (only when the list moved).
    enum class ListRebuild : std::uint8_t { WholeImage, Edit };
    // Replaces the image as one step.
    bool TakeWholeImage(const RadioImage& image, const StepInfo& info);
    // Records the change from `before` to the image as a step; when there is
    // one, rebuilds the configured list and tells the listeners.
    bool Record(const RadioImage& before, const StepInfo& info, int typingKey, ListRebuild rebuild);
    void RebuildValidChannels(ListRebuild rebuild);
    // Tells the listeners what a change of the history changed.
    void Announce(bool wasModified);
    // Undo (back) or redo: the image moves one step, the configured list
    // follows and the step's channel before or after it is current.
    std::optional<StepInfo> Travel(bool back);

    RadioImage m_image;
    EditHistory m_history;
    ValidChannelList m_validChannels{};
    std::int32_t m_currentChannel = kNoChannel;
    std::uint32_t m_validListVersion = 0;
};

}  // namespace rk
