// The user's edits of frequencies, band, delay, time limit, squelch level and
// the option lists, each written at once into the image.

#include <QLineEdit>

#include "ChoiceList.h"
#include "Conversions.h"
#include "FormView.h"

namespace rk {

namespace {
constexpr double kBandEdgeMin = 100;
constexpr double kBandEdgeMax = 500;
constexpr double kBandNoEdgeBelow = 99;
constexpr double kBandNoEdgeAbove = 501;
constexpr double kBandWidth = 20;

// Bits that may not be on when another option is switched on.
struct OptionRule {
    std::uint8_t bit;
    bool inCodeFlags;  // txInhibit lives in codeFlags, the rest in optionFlags
    std::uint8_t refusedWhile;
};
}  // namespace

void FormView::OnRxFreqEdited() {
    ReadForm();
    EditRecord([&](const ChannelRecord& r) { r.setRxFreq(static_cast<std::uint32_t>(MhzToFreq(m_rxFreqMHz))); });
    SyncValidList();
}

void FormView::OnTxFreqEdited() {
    ReadForm();
    EditRecord([&](const ChannelRecord& r) { r.setTxFreq(static_cast<std::uint32_t>(MhzToFreq(m_txFreqMHz))); });
    SyncValidList();
}

void FormView::OnBandEdited() {
    ReadForm();
    EditSettings([&](const SettingsBlock& settings) { settings.setBandLow(MhzToBandLow(m_bandLowMHz)); });
    const double x = m_bandLowMHz;
    if (x >= kBandEdgeMin && x <= kBandEdgeMax)
        m_bandHighMHz = x + kBandWidth;
    else if (x <= kBandNoEdgeBelow || x >= kBandNoEdgeAbove)
        m_bandHighMHz = 0;
    ShowForm();
}

void FormView::OnDelayEdited() {
    ReadForm();
    EditRecord([&](const ChannelRecord& r) { r.setRepeaterDelay(ValueToTenths(m_delaySeconds)); });
}

void FormView::OnTotLimitEdited() {
    ReadForm();
    EditSettings([&](const SettingsBlock& settings) { settings.setTotLimit(ValueToTenths(m_totMinutes)); });
}

void FormView::OnCopyRxToTx() { CopySide(RxSide(), TxSide()); }

void FormView::OnCopyTxToRx() { CopySide(TxSide(), RxSide()); }

void FormView::CopySide(const CodeSide& from, const CodeSide& to) {
    EditRecord([&](const ChannelRecord& record) {
        const auto freq = from.receive ? record.rxFreq() : record.txFreq();
        const auto code = from.receive ? record.rxCode() : record.txCode();
        if (to.receive) {
            record.setRxFreq(freq);
            record.setRxCode(code);
        } else {
            record.setTxFreq(freq);
            record.setTxCode(code);
        }
        record.SetCodeFlag(to.toneBit, record.HasCodeFlag(from.toneBit));
        record.SetCodeFlag(to.onBit, record.HasCodeFlag(from.onBit));
    });
    ShowChannel(m_editChannel);
    SyncValidList();
}

void FormView::OnSquelchSpin(int newPosition) {
    EditRecord([&](const ChannelRecord& r) { r.setSquelchLevel(static_cast<std::uint8_t>(newPosition)); });
}

void FormView::OnPowerChosen() {
    // Rows: high, low.
    const int row = m_powerList->SelectedRow();
    if (row != 0 && row != 1) return;
    EditRecord([row](const ChannelRecord& r) { r.SetOption(kLowPower, row == 1); });
}

void FormView::OnOptionChosen(ChoiceList* list) {
    const int row = list->SelectedRow();
    if (row < 0) return;
    OptionRule rule{};
    if (list == m_scramblerList)
        rule = {kScrambler, false, 0};
    else if (list == m_beatShiftList)
        rule = {kBeatShift, false, 0};
    else if (list == m_repeaterList)
        rule = {kRepeater, false, static_cast<std::uint8_t>(kTalkaround | kReverse)};
    else if (list == m_reverseList)
        rule = {kReverse, false, static_cast<std::uint8_t>(kRepeater | kTalkaround)};
    else if (list == m_talkaroundList)
        rule = {kTalkaround, false, static_cast<std::uint8_t>(kRepeater | kReverse)};
    else if (list == m_txInhibitList)
        rule = {kTxInhibit, true, kRepeater};
    else
        return;

    // Rows: no, yes.
    if (row > 1) return;
    const bool on = row == 1;
    // Only switching an option on is refused: switching one off never makes a
    // conflict, and a file or a radio may bring two conflicting options that
    // the user must be able to clear.
    if (on && (Record().optionFlags() & rule.refusedWhile) != 0) {
        list->SelectRow(0);
        return;
    }

    // The repeater and transmit inhibit cannot be on together.
    const bool clearsTxInhibit = list == m_repeaterList && on && m_txInhibitList;
    EditRecord([&](const ChannelRecord& record) {
        if (rule.inCodeFlags)
            record.SetCodeFlag(rule.bit, on);
        else
            record.SetOption(rule.bit, on);
        if (clearsTxInhibit) record.SetCodeFlag(kTxInhibit, false);
    });
    if (clearsTxInhibit) m_txInhibitList->SelectRow(0);
}

}  // namespace rk
