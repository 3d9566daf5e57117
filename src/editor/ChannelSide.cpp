#include "ChannelSide.h"

#include <QLineEdit>
#include <QPushButton>

#include "ChannelListsPanel.h"
#include "ChoiceList.h"
#include "CodeTableTexts.h"
#include "Conversions.h"
#include "FormState.h"
#include "FormView.h"
#include "SquelchCodes.h"

namespace rk {

ChannelSide::ChannelSide(FormState& state, ChannelListsPanel& lists, bool receive, Controls controls,
                         std::function<void(int)> showChannel)
    : m_state(state), m_lists(lists), m_receive(receive), m_controls(controls), m_showChannel(std::move(showChannel)) {
    QObject::connect(m_controls.frequency, &QLineEdit::textEdited, m_controls.frequency, [this] { OnFrequencyEdited(); });
    QObject::connect(m_controls.codeType, &ChoiceList::userChose, m_controls.codeType, [this] { OnCodeTypeChosen(); });
    QObject::connect(m_controls.codeTable, &ChoiceList::userChose, m_controls.codeTable, [this] { OnCodeChosen(); });
    QObject::connect(m_controls.copyToOther, &QPushButton::clicked, m_controls.copyToOther, [this] { CopyToOther(); });
}

double& ChannelSide::Frequency() const { return m_receive ? m_state.values.rxFreqMHz : m_state.values.txFreqMHz; }
std::uint8_t ChannelSide::OnBit() const { return m_receive ? kRxCodeOn : kTxCodeOn; }
std::uint8_t ChannelSide::ToneBit() const { return m_receive ? kRxCodeIsQt : kTxCodeIsQt; }

void ChannelSide::FillFixed() {
    // The rows are what counts (kCodeTypeQt, kCodeTypeDqt, kCodeTypeNone); the
    // texts depend on the interface language.
    const auto& texts = m_state.profile.editor;
    m_controls.codeType->SetEntries(
        {m_state.Text(texts.codeTone), m_state.Text(texts.codeDigital), m_state.Text(texts.codeNone)});
    m_controls.codeType->SelectRow(kCodeTypeNone);
}

void ChannelSide::LoadFrequency(const ConstChannelRecord& record) {
    Frequency() = FreqToMhz(m_receive ? record.rxFreqSigned() : record.txFreqSigned());
}

void ChannelSide::ShowCode(const ConstChannelRecord& record) {
    const DecodedSquelch decoded = DecodeSquelchCode(record.HasCodeFlag(OnBit()), record.HasCodeFlag(ToneBit()),
                                                     m_receive ? record.rxCode() : record.txCode());
    m_controls.codeType->SelectRow(decoded.typePosition);
    switch (decoded.table) {
    case CodeTable::Tone: m_controls.codeTable->SetEntries(ToneEntries()); break;
    case CodeTable::Dcs: m_controls.codeTable->SetEntries(DcsEntries()); break;
    case CodeTable::None: m_controls.codeTable->SetEntries({}); break;
    }
    m_state.ShowForm();
    m_controls.codeTable->SelectRow(decoded.position.value_or(-1));
}

void ChannelSide::OnFrequencyEdited() {
    m_state.ReadForm();
    const auto count = static_cast<std::uint32_t>(MhzToFreq(Frequency()));
    m_state.EditRecord([&](const ChannelRecord& r) { m_receive ? r.setRxFreq(count) : r.setTxFreq(count); },
                       m_receive ? ctl::kRxFreq : ctl::kTxFreq);
    m_lists.Sync();
}

// A type choice changes only the side's two bits.
void ChannelSide::OnCodeTypeChosen() {
    const int row = m_controls.codeType->SelectedRow();
    const std::uint8_t on = OnBit();
    const std::uint8_t tone = ToneBit();
    switch (row) {
    case kCodeTypeDqt:
    case kCodeTypeQt:
        m_state.ShowForm();
        m_controls.codeTable->SetEntries(row == kCodeTypeQt ? ToneEntries() : DcsEntries());
        m_state.EditRecord([&](const ChannelRecord& record) {
            record.SetCodeFlag(on, true);
            record.SetCodeFlag(tone, row == kCodeTypeQt);
        });
        break;
    case kCodeTypeNone:
        m_controls.codeTable->SetEntries({});
        m_state.ShowForm();
        m_state.EditRecord([&](const ChannelRecord& record) { record.SetCodeFlag(on, false); });
        break;
    default: break;
    }
}

// A code choice changes only the side's byte.
void ChannelSide::OnCodeChosen() {
    const int p = m_controls.codeTable->SelectedRow();
    if (p < 0) return;
    m_state.EditRecord([&](const ChannelRecord& record) {
        const std::uint8_t byte = EncodeSquelchCode(record.HasCodeFlag(OnBit()), record.HasCodeFlag(ToneBit()), p);
        m_receive ? record.setRxCode(byte) : record.setTxCode(byte);
    });
}

void ChannelSide::CopyToOther() {
    if (!m_other) return;
    const ChannelSide& to = *m_other;
    m_state.EditRecord([&](const ChannelRecord& record) {
        const auto freq = m_receive ? record.rxFreq() : record.txFreq();
        const auto code = m_receive ? record.rxCode() : record.txCode();
        to.m_receive ? record.setRxFreq(freq) : record.setTxFreq(freq);
        to.m_receive ? record.setRxCode(code) : record.setTxCode(code);
        record.SetCodeFlag(to.ToneBit(), record.HasCodeFlag(ToneBit()));
        record.SetCodeFlag(to.OnBit(), record.HasCodeFlag(OnBit()));
    });
    m_showChannel(m_state.Channel());
    m_lists.Sync();
}

}  // namespace rk
