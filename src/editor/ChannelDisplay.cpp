// Loading the form from one channel record and the settings block. Reads the
// image only; every control change here is the program's own.

#include <QStringList>

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "CodeTableTexts.h"
#include "Conversions.h"
#include "FormView.h"
#include "SpinButton.h"
#include "SquelchCodes.h"

namespace rk {

namespace {
constexpr std::int64_t kBandEdgeMinMhz = 100;
constexpr std::int64_t kBandEdgeMaxMhz = 500;
constexpr std::int64_t kBandWidthMhz = 20;

}  // namespace

void FormView::ShowChannel(int c) {
    if (c < 0 || c >= kChannelCount) return;
    const RadioImage& image = m_document.Image();
    const ConstChannelRecord record = image.Channel(c);
    const ConstSettingsBlock settings = image.Settings();

    m_rxFreqMHz = FreqToMhz(record.rxFreqSigned());
    m_txFreqMHz = FreqToMhz(record.txFreqSigned());
    m_squelchSpin->SetPosition(record.squelchLevel());
    m_delaySeconds = TenthsToValue(record.repeaterDelay());
    if (m_profile.hasTotLimit) m_totMinutes = TenthsToValue(settings.totLimit());
    ShowForm();

    const std::int64_t low = BandLowToMhz(settings.bandLow());
    m_bandLowMHz = static_cast<double>(low);
    m_bandHighMHz = (low >= kBandEdgeMinMhz && low <= kBandEdgeMaxMhz) ? static_cast<double>(low + kBandWidthMhz) : 0.0;

    ShowOptionLists(record);
    ShowForm();

    ShowScanGroups();
    ShowForm();

    ShowCode(TxSide(), record.HasCodeFlag(kTxCodeOn), record.HasCodeFlag(kTxCodeIsQt), record.txCode());
    ShowCode(RxSide(), record.HasCodeFlag(kRxCodeOn), record.HasCodeFlag(kRxCodeIsQt), record.rxCode());

    RefreshValidList();
    ShowForm();
}

void FormView::ShowOptionLists(const ConstChannelRecord& record) {
    const auto show = [](ChoiceList* list, bool on) {
        if (list) list->SelectRow(on ? 1 : 0);
    };
    show(m_txInhibitList, record.HasCodeFlag(kTxInhibit));
    show(m_beatShiftList, record.HasOption(kBeatShift));
    show(m_powerList, record.HasOption(kLowPower));
    show(m_talkaroundList, record.HasOption(kTalkaround));
    show(m_repeaterList, record.HasOption(kRepeater));
    show(m_reverseList, record.HasOption(kReverse));
    show(m_scramblerList, record.HasOption(kScrambler));
}

void FormView::ShowScanGroups() {
    const ConstSettingsBlock settings = m_document.Image().Settings();
    QStringList groupA;
    QStringList groupB;
    // An entry lands only where the list already reaches, so a group shows up
    // to its first empty slot.
    for (int i = 0; i < kScanGroupSlots; ++i) {
        const std::uint8_t a = settings.scanGroupA()[static_cast<std::size_t>(i)];
        if (a != kEmptySlot && i <= groupA.size()) groupA << SlotText(m_profile, a);
        const std::uint8_t b = settings.scanGroupB()[static_cast<std::size_t>(i)];
        if (b != kEmptySlot && i <= groupB.size()) groupB << SlotText(m_profile, b);
    }
    m_groupAList->SetEntries(groupA);
    m_groupBList->SetEntries(groupB);
}

void FormView::ShowCode(const CodeSide& side, bool on, bool isTone, std::uint8_t byte) {
    const DecodedSquelch decoded = DecodeSquelchCode(on, isTone, byte);
    side.typeList->SelectRow(decoded.typePosition);
    switch (decoded.table) {
    case CodeTable::Tone: side.table->SetEntries(ToneEntries()); break;
    case CodeTable::Dcs: side.table->SetEntries(DcsEntries()); break;
    case CodeTable::None: side.table->SetEntries({}); break;
    }
    ShowForm();
    side.table->SelectRow(decoded.position.value_or(-1));
}

}  // namespace rk
