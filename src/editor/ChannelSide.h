#pragma once
// One side of the channel, receive or transmit: its frequency field, its
// squelch code type and code lists, and the button that copies this side onto
// the other. Both sides are this one class over different controls and bits.

#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;

namespace rk {

class ChannelListsPanel;
class ChoiceList;
class FormState;
template <typename Byte>
class BasicChannelRecord;
using ConstChannelRecord = BasicChannelRecord<const std::uint8_t>;
enum class Side;

class ChannelSide {
public:
    struct Controls {
        QLineEdit* frequency;
        ChoiceList* codeType;
        ChoiceList* codeTable;
        QPushButton* copyToOther;
    };
    ChannelSide(FormState& state, ChannelListsPanel& lists, Side side, Controls controls,
                std::function<void(int)> showChannel);
    // The side its copy button copies onto.
    void SetOther(ChannelSide* other) { m_other = other; }

    void FillFixed();
    // The frequency into its number value, for the next ShowForm.
    void LoadFrequency(const ConstChannelRecord& record);
    void ShowCode(const ConstChannelRecord& record);

private:
    void OnFrequencyEdited();
    void OnCodeTypeChosen();
    void OnCodeChosen();
    // Frequency, code and code bits of this side onto the other side.
    void CopyToOther();

    double& Frequency() const;

    FormState& m_state;
    ChannelListsPanel& m_lists;
    const Side m_side;
    Controls m_controls;
    std::function<void(int)> m_showChannel;
    ChannelSide* m_other = nullptr;
};

}  // namespace rk
