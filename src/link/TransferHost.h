#pragma once
// What the clone transfer needs from the program around it: message boxes and
// the two moments when the form must redraw. The document itself is updated by
// the transfer before these are called. No Qt here.

namespace rk {

// The form's part: redraw after a read, or after a refused write.
class TransferDisplay {
public:
    virtual ~TransferDisplay() = default;

    // A read has completed: the document holds the new image, its
    // m_validChannels are rebuilt (m_validListStale is -1) and
    // m_currentChannel is 0. Make channel 0 the edited channel, select it in
    // the channel selector, show it, refill the configured-channel list and
    // select its first row when channel 0 is configured.
    virtual void ShowReadImage() = 0;

    // A write was refused by the pre-write check at `channel`, which is now the
    // document's m_currentChannel; its message has been shown. Make it the
    // edited channel, select it in both lists and show it.
    virtual void ShowRefusedChannel(int channel) = 0;
};

class TransferHost : public TransferDisplay {
public:
    // A modal message with one OK button; `utf8` is one of the model's texts.
    virtual void ShowMessage(const char* utf8) = 0;
};

}  // namespace rk
