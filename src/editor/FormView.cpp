#include "FormView.h"

#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

#include "ChannelListsPanel.h"
#include "ChannelSide.h"
#include "ChoiceList.h"
#include "FormState.h"
#include "OptionsPanel.h"
#include "ScanGroupsPanel.h"
#include "SettingsPanel.h"
#include "SpinButton.h"

namespace rk {

FormView::FormView(RadioDocument& document, const ModelProfile& profile, QWidget* parent)
    : QWidget(parent), m_state(std::make_unique<FormState>(document, profile)) {
    m_state->values.totMinutes = profile.hasTotLimit ? 5.0 : 0.0;
}

FormView::~FormView() = default;

template <typename T>
T* FormView::Find(const char* name, bool required) const {
    auto* widget = findChild<T*>(QString::fromLatin1(name));
    if (!widget && required) throw std::logic_error(std::string("form lacks control ") + name);
    return widget;
}

void FormView::BindForm(const std::vector<int>& readOrder) {
    const ModelProfile& profile = m_state->profile;
    m_controlsById.clear();
    for (auto* widget : findChildren<QWidget*>()) {
        const QVariant id = widget->property("controlId");
        if (id.isValid()) m_controlsById.insert(id.toInt(), widget);
    }

    NumberValues& values = m_state->values;
    const QHash<int, double*> members{
        {ctl::kDelay, &values.delaySeconds}, {ctl::kTotLimit, &values.totMinutes}, {ctl::kRxFreq, &values.rxFreqMHz},
        {ctl::kBandLow, &values.bandLowMHz}, {ctl::kBandHigh, &values.bandHighMHz}, {ctl::kTxFreq, &values.txFreqMHz},
    };
    std::vector<FormState::NumberField> order;
    for (int id : readOrder) {
        auto* edit = qobject_cast<QLineEdit*>(Control(id));
        if (!edit || !members.contains(id)) throw std::logic_error("form lacks numeric field " + std::to_string(id));
        order.push_back({edit, members.value(id)});
    }
    m_state->SetReadOrder(std::move(order));

    const auto show = [this](int c) { ShowChannel(c); };
    m_lists = std::make_unique<ChannelListsPanel>(*m_state, Find<ChoiceList>("m_channelList", true),
                                                  Find<ChoiceList>("m_validList", true), show);
    m_rx = std::make_unique<ChannelSide>(
        *m_state, *m_lists, Side::Receive,
        ChannelSide::Controls{Find<QLineEdit>("m_rxFreqEdit", true), Find<ChoiceList>("m_rxCodeTypeList", true),
                              Find<ChoiceList>("m_rxCodeTable", true), Find<QPushButton>("m_copyRxToTxButton", true)},
        show);
    m_tx = std::make_unique<ChannelSide>(
        *m_state, *m_lists, Side::Transmit,
        ChannelSide::Controls{Find<QLineEdit>("m_txFreqEdit", true), Find<ChoiceList>("m_txCodeTypeList", true),
                              Find<ChoiceList>("m_txCodeTable", true), Find<QPushButton>("m_copyTxToRxButton", true)},
        show);
    m_rx->SetOther(m_tx.get());
    m_tx->SetOther(m_rx.get());

    auto* squelch = Find<SpinButton>("m_squelchSpin", true);
    auto* squelchBuddy = Find<QLineEdit>("m_squelchBuddy", true);
    squelch->SetBuddy(squelchBuddy);
    squelchBuddy->setReadOnly(true);
    m_options = std::make_unique<OptionsPanel>(
        *m_state, OptionsPanel::Controls{Find<ChoiceList>("m_powerList", true), Find<ChoiceList>("m_scramblerList", true),
                                         Find<ChoiceList>("m_beatShiftList", true), Find<ChoiceList>("m_repeaterList", true),
                                         Find<ChoiceList>("m_reverseList", profile.hasReverse),
                                         Find<ChoiceList>("m_talkaroundList", profile.hasTalkaround),
                                         Find<ChoiceList>("m_txInhibitList", profile.hasTxInhibit), squelch,
                                         Find<QLineEdit>("m_delayEdit", true)});
    m_scanGroups = std::make_unique<ScanGroupsPanel>(
        *m_state, *m_lists,
        ScanGroupsPanel::Controls{Find<ChoiceList>("m_groupAList", true), Find<ChoiceList>("m_groupBList", true),
                                  Find<QPushButton>("m_addToGroupAButton", true),
                                  Find<QPushButton>("m_addToGroupBButton", true),
                                  Find<QPushButton>("m_removeFromGroupsButton", true)});
    m_settings = std::make_unique<SettingsPanel>(*m_state, Find<QLineEdit>("m_bandLowEdit", true),
                                                 Find<QLineEdit>("m_bandHighEdit", true),
                                                 Find<QLineEdit>("m_totLimitEdit", profile.hasTotLimit));
}

void FormView::OnInitialUpdate() {
    m_lists->FillFixed();
    m_tx->FillFixed();
    m_rx->FillFixed();
    m_options->FillFixed();
    ShowForm();
    m_lists->StartOver();
}

void FormView::ShowChannel(int c) {
    if (c < 0 || c >= kChannelCount) return;
    const RadioImage& image = m_state->document.Image();
    const ConstChannelRecord record = image.Channel(c);
    const ConstSettingsBlock settings = image.Settings();

    m_rx->LoadFrequency(record);
    m_tx->LoadFrequency(record);
    m_options->LoadValues(record);
    m_settings->LoadTotLimit(settings);
    ShowForm();

    m_settings->LoadBand(settings);
    m_options->ShowLists(record);
    ShowForm();

    m_scanGroups->Show();
    ShowForm();

    m_tx->ShowCode(record);
    m_rx->ShowCode(record);

    RefreshValidList();
    ShowForm();
    emit channelShown(c);
}

void FormView::RefreshValidList() { m_lists->Refresh(); }
void FormView::ShowReadImage() { m_lists->ShowRead(); }
void FormView::ShowRefusedChannel(int channel) { m_lists->ShowRefused(channel); }
void FormView::ShowImportedImage() { m_lists->ShowImported(); }
void FormView::ShowRestoredImage() { m_lists->ShowRestored(); }
bool FormView::ReadForm() { return m_state->ReadForm(); }
void FormView::ShowForm() { m_state->ShowForm(); }
int FormView::EditChannel() const { return m_state->Channel(); }
int FormView::ValidListPos() const { return m_state->validListPos; }

}  // namespace rk
