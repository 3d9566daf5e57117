#include "FormView.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <stdexcept>

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "Conversions.h"
#include "Prompts.h"
#include "SpinButton.h"

namespace rk {

namespace {
constexpr int kSquelchMin = 0;
constexpr int kSquelchMax = 9;
constexpr int kSquelchStart = 3;
constexpr int kMaxFieldChars = 31;
}  // namespace

FormView::FormView(RadioDocument& document, const ModelProfile& profile, QWidget* parent)
    : QWidget(parent),
      m_totMinutes(profile.hasTotLimit ? 5.0 : 0.0),
      m_document(document),
      m_profile(profile) {}

template <typename T>
T* FormView::Find(const char* name, bool required) const {
    auto* widget = findChild<T*>(QString::fromLatin1(name));
    if (!widget && required) throw std::logic_error(std::string("form lacks control ") + name);
    return widget;
}

void FormView::BindForm(const std::vector<int>& readOrder) {
    m_validList = Find<ChoiceList>("m_validList", true);
    m_squelchSpin = Find<SpinButton>("m_squelchSpin", true);
    m_repeaterList = Find<ChoiceList>("m_repeaterList", true);
    m_powerList = Find<ChoiceList>("m_powerList", true);
    m_beatShiftList = Find<ChoiceList>("m_beatShiftList", true);
    m_scramblerList = Find<ChoiceList>("m_scramblerList", true);
    m_groupBList = Find<ChoiceList>("m_groupBList", true);
    m_groupAList = Find<ChoiceList>("m_groupAList", true);
    m_talkaroundList = Find<ChoiceList>("m_talkaroundList", m_profile.hasTalkaround);
    m_reverseList = Find<ChoiceList>("m_reverseList", m_profile.hasReverse);
    m_channelList = Find<ChoiceList>("m_channelList", true);
    m_txInhibitList = Find<ChoiceList>("m_txInhibitList", m_profile.hasTxInhibit);
    m_rxCodeTypeList = Find<ChoiceList>("m_rxCodeTypeList", true);
    m_txCodeTable = Find<ChoiceList>("m_txCodeTable", true);
    m_rxCodeTable = Find<ChoiceList>("m_rxCodeTable", true);
    m_txCodeTypeList = Find<ChoiceList>("m_txCodeTypeList", true);

    m_squelchBuddy = Find<QLineEdit>("m_squelchBuddy", true);
    m_rxFreqEdit = Find<QLineEdit>("m_rxFreqEdit", true);
    m_txFreqEdit = Find<QLineEdit>("m_txFreqEdit", true);
    m_bandLowEdit = Find<QLineEdit>("m_bandLowEdit", true);
    m_bandHighEdit = Find<QLineEdit>("m_bandHighEdit", true);
    m_delayEdit = Find<QLineEdit>("m_delayEdit", true);
    m_totLimitEdit = Find<QLineEdit>("m_totLimitEdit", m_profile.hasTotLimit);
    m_removeFromGroupsButton = Find<QPushButton>("m_removeFromGroupsButton", true);
    m_addToGroupAButton = Find<QPushButton>("m_addToGroupAButton", true);
    m_addToGroupBButton = Find<QPushButton>("m_addToGroupBButton", true);
    m_copyRxToTxButton = Find<QPushButton>("m_copyRxToTxButton", true);
    m_copyTxToRxButton = Find<QPushButton>("m_copyTxToRxButton", true);

    m_controlsById.clear();
    for (auto* widget : findChildren<QWidget*>()) {
        const QVariant id = widget->property("controlId");
        if (id.isValid()) m_controlsById.insert(id.toInt(), widget);
    }

    const QHash<int, double*> members{
        {ctl::kDelay, &m_delaySeconds},   {ctl::kTotLimit, &m_totMinutes}, {ctl::kRxFreq, &m_rxFreqMHz},
        {ctl::kBandLow, &m_bandLowMHz},   {ctl::kBandHigh, &m_bandHighMHz}, {ctl::kTxFreq, &m_txFreqMHz},
    };
    m_readOrder.clear();
    for (int id : readOrder) {
        auto* edit = qobject_cast<QLineEdit*>(Control(id));
        if (!edit || !members.contains(id)) throw std::logic_error("form lacks numeric field " + std::to_string(id));
        m_readOrder.push_back({edit, members.value(id)});
    }

    m_squelchSpin->SetBuddy(m_squelchBuddy);
    m_squelchBuddy->setReadOnly(true);
    m_bandHighEdit->setReadOnly(true);
    ConnectHandlers();
}

void FormView::ConnectHandlers() {
    connect(m_channelList, &ChoiceList::userChose, this, &FormView::OnChannelSelectorChosen);
    connect(m_validList, &ChoiceList::userChose, this, &FormView::OnValidListChosen);

    connect(m_rxFreqEdit, &QLineEdit::textEdited, this, &FormView::OnRxFreqEdited);
    connect(m_txFreqEdit, &QLineEdit::textEdited, this, &FormView::OnTxFreqEdited);
    connect(m_bandLowEdit, &QLineEdit::textEdited, this, &FormView::OnBandEdited);
    connect(m_delayEdit, &QLineEdit::textEdited, this, &FormView::OnDelayEdited);
    if (m_totLimitEdit) connect(m_totLimitEdit, &QLineEdit::textEdited, this, &FormView::OnTotLimitEdited);
    connect(m_copyRxToTxButton, &QPushButton::clicked, this, &FormView::OnCopyRxToTx);
    connect(m_copyTxToRxButton, &QPushButton::clicked, this, &FormView::OnCopyTxToRx);
    connect(m_squelchSpin, &SpinButton::positionChanging, this, &FormView::OnSquelchSpin);

    connect(m_powerList, &ChoiceList::userChose, this, &FormView::OnPowerChosen);
    for (auto* list : {m_scramblerList, m_beatShiftList, m_repeaterList, m_reverseList, m_talkaroundList, m_txInhibitList})
        if (list) connect(list, &ChoiceList::userChose, this, [this, list] { OnOptionChosen(list); });

    connect(m_rxCodeTypeList, &ChoiceList::userChose, this, [this] { OnCodeTypeChosen(RxSide()); });
    connect(m_txCodeTypeList, &ChoiceList::userChose, this, [this] { OnCodeTypeChosen(TxSide()); });
    connect(m_rxCodeTable, &ChoiceList::userChose, this, [this] { OnCodeChosen(RxSide()); });
    connect(m_txCodeTable, &ChoiceList::userChose, this, [this] { OnCodeChosen(TxSide()); });

    connect(m_addToGroupAButton, &QPushButton::clicked, this, [this] { OnAddToGroup(ScanGroup::A); });
    connect(m_addToGroupBButton, &QPushButton::clicked, this, [this] { OnAddToGroup(ScanGroup::B); });
    connect(m_removeFromGroupsButton, &QPushButton::clicked, this, &FormView::OnRemoveFromGroups);
    // Choosing a member of a group only marks it for the remove button.
}

FormView::CodeSide FormView::RxSide() const { return {m_rxCodeTypeList, m_rxCodeTable, kRxCodeOn, kRxCodeIsQt, true}; }
FormView::CodeSide FormView::TxSide() const { return {m_txCodeTypeList, m_txCodeTable, kTxCodeOn, kTxCodeIsQt, false}; }

void FormView::FillFixedLists() {
    m_channelList->SetEntries(ChannelNames(m_profile));
    m_channelList->SelectRow(0);

    // The channel display and the handlers go by these rows, not by the
    // texts, which depend on the interface language.
    const QStringList codeTypes{Text(m_profile.editor.codeTone), Text(m_profile.editor.codeDigital),
                                Text(m_profile.editor.codeNone)};
    for (auto* list : {m_txCodeTypeList, m_rxCodeTypeList}) {
        list->SetEntries(codeTypes);
        list->SelectRow(2);
    }

    m_powerList->SetEntries({Text(m_profile.editor.powerHigh), Text(m_profile.editor.powerLow)});
    m_powerList->SelectRow(0);

    const QStringList noYes{Text(m_profile.editor.optionNo), Text(m_profile.editor.optionYes)};
    for (auto* list : {m_scramblerList, m_repeaterList, m_reverseList, m_talkaroundList, m_beatShiftList, m_txInhibitList}) {
        if (!list) continue;
        list->SetEntries(noYes);
        list->SelectRow(0);
    }

    m_squelchSpin->SetRange(kSquelchMin, kSquelchMax);
    m_squelchSpin->SetPosition(kSquelchStart);
}

void FormView::OnInitialUpdate() {
    FillFixedLists();
    ShowForm();
    m_validListPos = -1;
    if (m_document.CurrentChannel() != m_editChannel) {
        // kNoChannel after New and Open; anything else outside 0..63 can only
        // come from a caller's mistake.
        const int current = m_document.CurrentChannel();
        if (current < 0 || current >= kChannelCount) m_document.SetCurrentChannel(0);
        m_editChannel = m_document.CurrentChannel();
        ShowChannel(m_editChannel);
        if (m_document.Image().IsChannelConfigured(0)) m_validList->SelectRow(0);
    }
}

bool FormView::ReadForm() {
    for (const auto& field : m_readOrder) {
        const QByteArray text = field.edit->text().left(kMaxFieldChars).toUtf8();
        const auto value = ParseNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                       m_profile.rules.acceptsDecimalComma);
        if (!value) {
            Prompts::Current().ShowMessage(Text(m_profile.editor.numberRequired));
            field.edit->setFocus(Qt::OtherFocusReason);
            field.edit->selectAll();
            return false;
        }
        *field.value = *value;
    }
    return true;
}

QString FormView::Text(const char* utf8) const {
    // The model's texts live in one translation context, named after the program.
    return QCoreApplication::translate(m_profile.rules.programName, utf8);
}

void FormView::ShowForm() {
    for (const auto& field : m_readOrder) {
        const QString text = QString::fromStdString(FormatNumber(*field.value));
        if (field.edit->text() == text) continue;
        const QSignalBlocker blocker(field.edit);
        field.edit->setText(text);
    }
}

}  // namespace rk
