// The user's edits of frequencies, band, delay, time limit, squelch level and
// the option lists, each written at once into the image.

#include <QLineEdit>

#include "ChoiceList.h"
#include "Conversions.h"
#include "FormView.h"
#include "ImageChangeScope.h"

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
    const ImageChangeScope change(m_document);
    ReadForm();
    EditRecord().setRxFreq(static_cast<std::uint32_t>(MhzToFreq(m_rxFreqMHz)));
    SyncValidList();
}

void FormView::OnTxFreqEdited() {
    const ImageChangeScope change(m_document);
    ReadForm();
    EditRecord().setTxFreq(static_cast<std::uint32_t>(MhzToFreq(m_txFreqMHz)));
    SyncValidList();
}

void FormView::OnBandEdited() {
    const ImageChangeScope change(m_document);
    ReadForm();
    m_document.m_image.Settings().setBandLow(MhzToBandLow(m_bandLowMHz));
    const double x = m_bandLowMHz;
    if (x >= kBandEdgeMin && x <= kBandEdgeMax)
        m_bandHighMHz = x + kBandWidth;
    else if (x <= kBandNoEdgeBelow || x >= kBandNoEdgeAbove)
        m_bandHighMHz = 0;
    ShowForm();
}

void FormView::OnDelayEdited() {
    const ImageChangeScope change(m_document);
    ReadForm();
    EditRecord().setRepeaterDelay(ValueToTenths(m_delaySeconds));
}

void FormView::OnTotLimitEdited() {
    const ImageChangeScope change(m_document);
    ReadForm();
    m_document.m_image.Settings().setTotLimit(ValueToTenths(m_totMinutes));
}

void FormView::OnCopyRxToTx() {
    const ImageChangeScope change(m_document);
    const ChannelRecord record = EditRecord();
    record.setTxFreq(record.rxFreq());
    record.setTxCode(record.rxCode());
    record.SetCodeFlag(kTxCodeIsQt, record.HasCodeFlag(kRxCodeIsQt));
    record.SetCodeFlag(kTxCodeOn, record.HasCodeFlag(kRxCodeOn));
    ShowChannel(m_editChannel);
    SyncValidList();
}

void FormView::OnCopyTxToRx() {
    const ImageChangeScope change(m_document);
    const ChannelRecord record = EditRecord();
    record.setRxFreq(record.txFreq());
    record.setRxCode(record.txCode());
    record.SetCodeFlag(kRxCodeIsQt, record.HasCodeFlag(kTxCodeIsQt));
    record.SetCodeFlag(kRxCodeOn, record.HasCodeFlag(kTxCodeOn));
    ShowChannel(m_editChannel);
    SyncValidList();
}

void FormView::OnSquelchSpin(int newPosition) {
    const ImageChangeScope change(m_document);
    EditRecord().setSquelchLevel(static_cast<std::uint8_t>(newPosition));
}

void FormView::OnPowerChosen() {
    const int row = m_powerList->SelectedRow();
    if (row < 0) return;
    const QString text = m_powerList->item(row)->text();
    const ImageChangeScope change(m_document);
    if (text == Text(m_profile.editor.powerHigh))
        EditRecord().SetOption(kLowPower, false);
    else if (text == Text(m_profile.editor.powerLow))
        EditRecord().SetOption(kLowPower, true);
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

    const ChannelRecord record = EditRecord();
    const QString text = list->item(row)->text();
    bool on = false;
    if (text == Text(m_profile.editor.optionYes))
        on = true;
    else if (text != Text(m_profile.editor.optionNo))
        return;
    // Only switching an option on is refused: switching one off never makes a
    // conflict, and a file or a radio may bring two conflicting options that
    // the user must be able to clear.
    if (on && (record.optionFlags() & rule.refusedWhile) != 0) {
        list->SelectRow(0);
        return;
    }

    const ImageChangeScope change(m_document);
    if (rule.inCodeFlags)
        record.SetCodeFlag(rule.bit, on);
    else
        record.SetOption(rule.bit, on);
    // The repeater and transmit inhibit cannot be on together.
    if (list == m_repeaterList && on && m_txInhibitList) {
        m_txInhibitList->SelectRow(0);
        record.SetCodeFlag(kTxInhibit, false);
    }
}

}  // namespace rk
