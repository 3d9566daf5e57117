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

ChannelSide::ChannelSide(FormState& state, ChannelListsPanel& lists, Side side, Controls controls,
                         std::function<void(int)> showChannel)
    : m_state(state), m_lists(lists), m_side(side), m_controls(controls), m_showChannel(std::move(showChannel)) {
    QObject::connect(m_controls.frequency, &QLineEdit::textEdited, m_controls.frequency, [this] { OnFrequencyEdited(); });
    QObject::connect(m_controls.codeType, &ChoiceList::userChose, m_controls.codeType, [this] { OnCodeTypeChosen(); });
    QObject::connect(m_controls.codeTable, &ChoiceList::userChose, m_controls.codeTable, [this] { OnCodeChosen(); });
    QObject::connect(m_controls.copyToOther, &QPushButton::clicked, m_controls.copyToOther, [this] { CopyToOther(); });
}

double& ChannelSide::Frequency() const {
    return m_side == Side::Receive ? m_state.values.rxFreqMHz : m_state.values.txFreqMHz;
}

void ChannelSide::FillFixed() {
    // The rows are what counts (kCodeTypeQt, kCodeTypeDqt, kCodeTypeNone); the
    // texts depend on the interface language.
    const auto& texts = m_state.profile.editor;
    m_controls.codeType->SetEntries(
        {m_state.Text(texts.codeTone), m_state.Text(texts.codeDigital), m_state.Text(texts.codeNone)});
    m_controls.codeType->SelectRow(kCodeTypeNone);
}

void ChannelSide::LoadFrequency(const ConstChannelRecord& record) {
    Frequency() = FreqToMhz(record.freqSigned(m_side));
}

void ChannelSide::ShowCode(const ConstChannelRecord& record) {
    const DecodedSquelch decoded = DecodeSquelchCode(record, m_side);
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
    m_state.EditRecord([&](const ChannelRecord& r) { r.setFreq(m_side, count); },
                       m_side == Side::Receive ? ctl::kRxFreq : ctl::kTxFreq);
    m_lists.Sync();
}

// A type choice changes only the side's two bits.
void ChannelSide::OnCodeTypeChosen() {
    const int row = m_controls.codeType->SelectedRow();
    switch (row) {
    case kCodeTypeDqt:
    case kCodeTypeQt:
        m_state.ShowForm();
        m_controls.codeTable->SetEntries(row == kCodeTypeQt ? ToneEntries() : DcsEntries());
        m_state.EditRecord([&](const ChannelRecord& record) {
            record.setCodeOn(m_side, true);
            record.setCodeIsQt(m_side, row == kCodeTypeQt);
        });
        break;
    case kCodeTypeNone:
        m_controls.codeTable->SetEntries({});
        m_state.ShowForm();
        m_state.EditRecord([&](const ChannelRecord& record) { record.setCodeOn(m_side, false); });
        break;
    default: break;
    }
}

// A code choice changes only the side's byte.
void ChannelSide::OnCodeChosen() {
    const int p = m_controls.codeTable->SelectedRow();
    if (p < 0) return;
    m_state.EditRecord([&](const ChannelRecord& record) {
        record.setCode(m_side, EncodeSquelchCode(record.codeOn(m_side), record.codeIsQt(m_side), p));
    });
}

void ChannelSide::CopyToOther() {
    if (!m_other) return;
    const Side to = m_other->m_side;
    m_state.EditRecord([&](const ChannelRecord& record) {
        record.setFreq(to, record.freq(m_side));
        record.setCode(to, record.code(m_side));
        record.setCodeIsQt(to, record.codeIsQt(m_side));
        record.setCodeOn(to, record.codeOn(m_side));
    });
    m_showChannel(m_state.Channel());
    m_lists.Sync();
}

}  // namespace rk
