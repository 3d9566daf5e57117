#pragma once
// The channel's yes/no options and the rules that keep conflicting ones
// apart, shared by the form and the channel table. No Qt.

#include <cstdint>

#include "RadioImage.h"

namespace rk {

enum class ChannelOption { Scrambler, BeatShift, Repeater, Reverse, Talkaround, TxInhibit };

bool OptionIsOn(const ConstChannelRecord& record, ChannelOption option);

// Only switching an option on is refused, while a conflicting one is on:
// switching one off never makes a conflict, and a file or a radio may bring
// two conflicting options that the user must be able to clear. The repeater
// switched on clears transmit inhibit where the model has that option.
// Returns false, changing nothing, when refused.
bool SwitchOption(const ChannelRecord& record, ChannelOption option, bool on, bool hasTxInhibit);

// Whether SwitchOption(record, option, true, ...) would be refused.
bool OptionRefused(const ConstChannelRecord& record, ChannelOption option);

}  // namespace rk
