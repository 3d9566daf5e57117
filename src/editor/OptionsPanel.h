#pragma once
// The channel's options: power, the yes/no option lists with the rules that
// keep conflicting options apart, the squelch level and the repeater delay.

#include <cstdint>
#include <vector>

#include "ChannelOptions.h"

class QLineEdit;

namespace rk {

class ChoiceList;
class FormState;
class SpinButton;
template <typename Byte>
class BasicChannelRecord;
using ConstChannelRecord = BasicChannelRecord<const std::uint8_t>;

class OptionsPanel {
public:
    struct Controls {
        ChoiceList* power;
        ChoiceList* scrambler;
        ChoiceList* beatShift;
        ChoiceList* repeater;
        ChoiceList* reverse;     // absent on some models
        ChoiceList* talkaround;  // absent on some models
        ChoiceList* txInhibit;   // absent on some models
        SpinButton* squelch;
        QLineEdit* delay;
    };
    OptionsPanel(FormState& state, Controls controls);

    void FillFixed();
    // Squelch level and delay value for the next ShowForm.
    void LoadValues(const ConstChannelRecord& record);
    void ShowLists(const ConstChannelRecord& record);

private:
    // One yes/no list and the option it switches.
    struct Option {
        ChoiceList* list;
        ChannelOption option;
    };
    void OnPowerChosen();
    void OnOptionChosen(const Option& option);
    void OnSquelchSpin(int newPosition);
    void OnDelayEdited();

    FormState& m_state;
    Controls m_controls;
    std::vector<Option> m_options;
};

}  // namespace rk
