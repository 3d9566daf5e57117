#include "ChannelFields.h"

#include <algorithm>
#include <array>
#include <limits>

namespace rk {

namespace {

constexpr std::int64_t kHighestCount = std::numeric_limits<std::int32_t>::max();
constexpr int kCodeOnShift = 8;
constexpr int kCodeToneShift = 9;

template <Side S>
std::int64_t ReadFrequency(const ConstChannelRecord& r) { return r.freqSigned(S); }
template <Side S>
void WriteFrequency(const ChannelRecord& r, std::int64_t count) { r.setFreq(S, static_cast<std::uint32_t>(count)); }

template <Side S>
std::int64_t ReadCode(const ConstChannelRecord& r) { return PackCode({r.code(S), r.codeOn(S), r.codeIsQt(S)}); }
template <Side S>
void WriteCode(const ChannelRecord& r, std::int64_t packed) {
    const diff::Code code = UnpackCode(packed);
    r.setCode(S, code.byte);
    r.setCodeOn(S, code.on);
    r.setCodeIsQt(S, code.isTone);
}

template <std::uint8_t Bit>
std::int64_t ReadOption(const ConstChannelRecord& r) { return r.HasOption(Bit) ? 1 : 0; }
template <std::uint8_t Bit>
void WriteOption(const ChannelRecord& r, std::int64_t on) { r.SetOption(Bit, on != 0); }

std::int64_t ReadTxInhibit(const ConstChannelRecord& r) { return r.HasCodeFlag(kTxInhibit) ? 1 : 0; }
void WriteTxInhibit(const ChannelRecord& r, std::int64_t on) { r.SetCodeFlag(kTxInhibit, on != 0); }
std::int64_t ReadSquelch(const ConstChannelRecord& r) { return r.squelchLevel(); }
void WriteSquelch(const ChannelRecord& r, std::int64_t level) { r.setSquelchLevel(static_cast<std::uint8_t>(level)); }
std::int64_t ReadDelay(const ConstChannelRecord& r) { return r.repeaterDelay(); }
void WriteDelay(const ChannelRecord& r, std::int64_t tenths) { r.setRepeaterDelay(static_cast<std::uint8_t>(tenths)); }

using C = ChannelColumn;
using D = DiffField;
using K = FieldKind;

const std::array<ChannelFieldInfo, kChannelFieldCount> kCatalogue = {{
    {C::RxFrequency, D::RxFrequency, K::Frequency, "Frequency", false, false, kHighestCount,
     ReadFrequency<Side::Receive>, WriteFrequency<Side::Receive>},
    {C::RxCode, D::RxCode, K::Code, "Tone", true, false, 0, ReadCode<Side::Receive>, WriteCode<Side::Receive>},
    {C::TxFrequency, D::TxFrequency, K::Frequency, "Duplex", false, false, kHighestCount,
     ReadFrequency<Side::Transmit>, WriteFrequency<Side::Transmit>},
    {C::TxCode, D::TxCode, K::Code, "Tone", true, false, 0, ReadCode<Side::Transmit>, WriteCode<Side::Transmit>},
    {C::TxInhibit, D::TxInhibit, K::Option, "TxInhibit", true, true, 1, ReadTxInhibit, WriteTxInhibit},
    {C::Power, D::Power, K::Power, "Power", true, false, 1, ReadOption<kLowPower>, WriteOption<kLowPower>},
    {C::BeatShift, D::BeatShift, K::Option, "BeatShift", true, true, 1, ReadOption<kBeatShift>, WriteOption<kBeatShift>},
    {C::Talkaround, D::Talkaround, K::Option, "Talkaround", true, true, 1, ReadOption<kTalkaround>,
     WriteOption<kTalkaround>},
    {C::Repeater, D::Repeater, K::Option, "Repeater", true, true, 1, ReadOption<kRepeater>, WriteOption<kRepeater>},
    {C::Reverse, D::Reverse, K::Option, "Reverse", true, true, 1, ReadOption<kReverse>, WriteOption<kReverse>},
    {C::Scrambler, D::Scrambler, K::Option, "Scrambler", true, true, 1, ReadOption<kScrambler>, WriteOption<kScrambler>},
    {C::SquelchLevel, D::SquelchLevel, K::Level, "Squelch", true, true, kSquelchLevelMax, ReadSquelch, WriteSquelch},
    {C::RepeaterDelay, D::RepeaterDelay, K::Tenths, "RepeaterDelay", true, true, kDelayTenthsMax, ReadDelay, WriteDelay},
    {C::ScanGroupA, D::ScanGroupA, K::ScanGroup, "ScanA", true, true, 1, nullptr, nullptr},
    {C::ScanGroupB, D::ScanGroupB, K::ScanGroup, "ScanB", true, true, 1, nullptr, nullptr},
}};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::span<const ChannelFieldInfo> ChannelFieldCatalogue() { return kCatalogue; }

const ChannelFieldInfo& FieldInfo(ChannelColumn id) {
    return *std::find_if(kCatalogue.begin(), kCatalogue.end(), [id](const ChannelFieldInfo& f) { return f.id == id; });
}

const ChannelFieldInfo* FieldOfColumn(std::string_view column) {
    const auto found = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                    [column](const ChannelFieldInfo& f) { return SameText(f.csvColumn, column); });
    return found == kCatalogue.end() ? nullptr : &*found;
}

std::int64_t PackCode(const diff::Code& code) {
    return std::int64_t{code.byte} | (std::int64_t{code.on} << kCodeOnShift) | (std::int64_t{code.isTone} << kCodeToneShift);
}

diff::Code UnpackCode(std::int64_t packed) {
    return {static_cast<std::uint8_t>(packed & 0xFF), ((packed >> kCodeOnShift) & 1) != 0,
            ((packed >> kCodeToneShift) & 1) != 0};
}

}  // namespace rk
