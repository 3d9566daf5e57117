#include "ChannelOptions.h"

namespace rk {

namespace {

struct OptionRule {
    std::uint8_t bit;
    bool inCodeFlags;  // transmit inhibit lives in codeFlags, the rest in optionFlags
    std::uint8_t refusedWhile;
};

OptionRule Rule(ChannelOption option) {
    switch (option) {
    case ChannelOption::Scrambler: return {kScrambler, false, 0};
    case ChannelOption::BeatShift: return {kBeatShift, false, 0};
    case ChannelOption::Repeater: return {kRepeater, false, static_cast<std::uint8_t>(kTalkaround | kReverse)};
    case ChannelOption::Reverse: return {kReverse, false, static_cast<std::uint8_t>(kRepeater | kTalkaround)};
    case ChannelOption::Talkaround: return {kTalkaround, false, static_cast<std::uint8_t>(kRepeater | kReverse)};
    case ChannelOption::TxInhibit: return {kTxInhibit, true, kRepeater};
    }
    return {0, false, 0};
}

}  // namespace

bool OptionIsOn(const ConstChannelRecord& record, ChannelOption option) {
    const OptionRule rule = Rule(option);
    return rule.inCodeFlags ? record.HasCodeFlag(rule.bit) : record.HasOption(rule.bit);
}

bool OptionRefused(const ConstChannelRecord& record, ChannelOption option) {
    return (record.optionFlags() & Rule(option).refusedWhile) != 0;
}

bool SwitchOption(const ChannelRecord& record, ChannelOption option, bool on, bool hasTxInhibit) {
    if (on && OptionRefused(record, option)) return false;
    const OptionRule rule = Rule(option);
    if (rule.inCodeFlags)
        record.SetCodeFlag(rule.bit, on);
    else
        record.SetOption(rule.bit, on);
    if (option == ChannelOption::Repeater && on && hasTxInhibit) record.SetCodeFlag(kTxInhibit, false);
    return true;
}

}  // namespace rk
