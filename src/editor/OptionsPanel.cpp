#include "OptionsPanel.h"

#include <QLineEdit>

#include "ChoiceList.h"
#include "Conversions.h"
#include "FormState.h"
#include "FormView.h"
#include "Prompts.h"
#include "SpinButton.h"

namespace rk {

namespace {
constexpr int kRowNo = 0;
constexpr int kRowYes = 1;
constexpr int kRowHigh = 0;
constexpr int kRowLow = 1;
}  // namespace

OptionsPanel::OptionsPanel(FormState& state, Controls controls) : m_state(state), m_controls(controls) {
    const Option options[] = {
        {m_controls.scrambler, ChannelOption::Scrambler},   {m_controls.beatShift, ChannelOption::BeatShift},
        {m_controls.repeater, ChannelOption::Repeater},     {m_controls.reverse, ChannelOption::Reverse},
        {m_controls.talkaround, ChannelOption::Talkaround}, {m_controls.txInhibit, ChannelOption::TxInhibit},
    };
    for (const Option& option : options)
        if (option.list) m_options.push_back(option);
    for (const Option& option : m_options)
        QObject::connect(option.list, &ChoiceList::userChose, option.list, [this, option] { OnOptionChosen(option); });
    QObject::connect(m_controls.power, &ChoiceList::userChose, m_controls.power, [this] { OnPowerChosen(); });
    QObject::connect(m_controls.squelch, &SpinButton::positionChanging, m_controls.squelch,
                     [this](int position) { OnSquelchSpin(position); });
    QObject::connect(m_controls.delay, &QLineEdit::textEdited, m_controls.delay, [this] { OnDelayEdited(); });
}

void OptionsPanel::FillFixed() {
    const auto& texts = m_state.profile.editor;
    m_controls.power->SetEntries({m_state.Text(texts.powerHigh), m_state.Text(texts.powerLow)});
    m_controls.power->SelectRow(kRowHigh);
    for (const Option& option : m_options) {
        option.list->SetEntries({m_state.Text(texts.optionNo), m_state.Text(texts.optionYes)});
        option.list->SelectRow(kRowNo);
    }
    m_controls.squelch->SetRange(kSquelchLevelMin, kSquelchLevelMax);
    m_controls.squelch->SetPosition(kSquelchLevelDefault);
}

void OptionsPanel::LoadValues(const ConstChannelRecord& record) {
    m_controls.squelch->SetPosition(record.squelchLevel());
    m_state.values.delaySeconds = TenthsToValue(record.repeaterDelay());
}

void OptionsPanel::ShowLists(const ConstChannelRecord& record) {
    m_controls.power->SelectRow(record.HasOption(kLowPower) ? kRowLow : kRowHigh);
    for (const Option& option : m_options) option.list->SelectRow(OptionIsOn(record, option.option) ? kRowYes : kRowNo);
}

void OptionsPanel::OnPowerChosen() {
    const int row = m_controls.power->SelectedRow();
    if (row != kRowHigh && row != kRowLow) return;
    m_state.EditRecord([row](const ChannelRecord& r) { r.SetOption(kLowPower, row == kRowLow); });
}

void OptionsPanel::OnOptionChosen(const Option& option) {
    const int row = option.list->SelectedRow();
    if (row != kRowNo && row != kRowYes) return;
    const bool on = row == kRowYes;
    if (on && OptionRefused(m_state.Record(), option.option)) {
        option.list->SelectRow(kRowNo);
        return;
    }
    const bool hasTxInhibit = m_controls.txInhibit != nullptr;
    m_state.EditRecord([&](const ChannelRecord& record) { SwitchOption(record, option.option, on, hasTxInhibit); });
    // The repeater and transmit inhibit cannot be on together.
    if (hasTxInhibit && option.option == ChannelOption::Repeater && on) m_controls.txInhibit->SelectRow(kRowNo);
}

void OptionsPanel::OnSquelchSpin(int newPosition) {
    m_state.EditRecord([newPosition](const ChannelRecord& r) { r.setSquelchLevel(static_cast<std::uint8_t>(newPosition)); });
}

void OptionsPanel::OnDelayEdited() {
    m_state.ReadForm();
    // A delay past what its byte holds is refused here as the channel table
    // and a table file refuse it; the byte keeps its value.
    const auto tenths = TenthsThatFit(m_state.values.delaySeconds);
    if (!tenths) return Prompts::Current().ShowMessage(m_state.Text(m_state.profile.tableView.outOfRange));
    m_state.EditRecord([tenths = *tenths](const ChannelRecord& r) { r.setRepeaterDelay(tenths); }, ctl::kDelay);
}

}  // namespace rk
