#pragma once
// The editor form: one channel and the radio's settings, every edit written
// straight into the document's image. The per-model views build their form
// from a Designer file and hand it to BindForm; everything else is shared.

#include <QHash>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "ModelProfile.h"
#include "RadioDocument.h"

class QLineEdit;
class QPushButton;

namespace rk {

class ChoiceList;
class SpinButton;

// Ids of the form's controls.
namespace ctl {
inline constexpr int kTxInhibit = 1000;
inline constexpr int kRemoveFromGroups = 1001;
inline constexpr int kValidList = 1002;
inline constexpr int kTxFreq = 1007;
inline constexpr int kRxCodeTable = 1012;
inline constexpr int kTxCodeTable = 1013;
inline constexpr int kAddToGroupA = 1015;
inline constexpr int kDelay = 1017;
inline constexpr int kTotLimit = 1018;
inline constexpr int kSquelchBuddy = 1019;
inline constexpr int kRxFreq = 1020;
inline constexpr int kReverse = 1022;
inline constexpr int kTxCodeType = 1029;
inline constexpr int kRxCodeType = 1030;
inline constexpr int kChannelSelector = 1035;
inline constexpr int kBandLow = 1036;
inline constexpr int kAddToGroupB = 1041;
inline constexpr int kCopyRxToTx = 1042;
inline constexpr int kCopyTxToRx = 1043;
inline constexpr int kBandHigh = 1050;
inline constexpr int kGroupAList = 1053;
inline constexpr int kGroupBList = 1054;
inline constexpr int kSquelchSpin = 1059;
inline constexpr int kPower = 1067;
inline constexpr int kScrambler = 1068;
inline constexpr int kRepeater = 1069;
inline constexpr int kBeatShift = 1071;
inline constexpr int kTalkaround = 1072;
}  // namespace ctl

class FormView : public QWidget {
    Q_OBJECT
public:
    FormView(RadioDocument& document, const ModelProfile& profile, QWidget* parent = nullptr);

    // Runs when the form is first shown and after every New and Open.
    virtual void OnInitialUpdate();

    // Loads the form from channel c (0..63) of the image; never writes to it.
    void ShowChannel(int c);
    // Refills the configured-channel list when the document marked it stale.
    void RefreshValidList();
    // After a completed read: channel 0 becomes the edited channel, is
    // selected and shown, and the configured-channel list is refilled.
    void ShowReadImage();
    // After a write refused at `channel` (the document's current channel):
    // it becomes the edited channel, selected in both lists and shown.
    void ShowRefusedChannel(int channel);
    // After an import changed the image: the edited channel stays and is
    // shown anew, and the configured-channel list is refilled around it.
    void ShowImportedImage();

    // Form data exchange. ReadForm warns at the first field that is not a
    // number and keeps that member and the later ones.
    bool ReadForm();
    void ShowForm();

    // The control with the given id (1000..1072), or nullptr when this model
    // has none.
    QWidget* Control(int id) const { return m_controlsById.value(id, nullptr); }

    int EditChannel() const { return m_editChannel; }
    int ValidListPos() const { return m_validListPos; }

protected:
    // Finds the form's named controls after the Designer form is set up, and
    // connects the handlers. `readOrder` lists the numeric fields' ids in the
    // order ReadForm takes them.
    void BindForm(const std::vector<int>& readOrder);

    // Controls, in the first model's declared order; absent ones stay null.
    ChoiceList* m_validList = nullptr;
    SpinButton* m_squelchSpin = nullptr;
    ChoiceList* m_repeaterList = nullptr;
    ChoiceList* m_powerList = nullptr;
    ChoiceList* m_beatShiftList = nullptr;
    ChoiceList* m_scramblerList = nullptr;
    ChoiceList* m_groupBList = nullptr;
    ChoiceList* m_groupAList = nullptr;
    ChoiceList* m_talkaroundList = nullptr;
    ChoiceList* m_reverseList = nullptr;
    ChoiceList* m_channelList = nullptr;
    ChoiceList* m_txInhibitList = nullptr;
    ChoiceList* m_rxCodeTypeList = nullptr;
    ChoiceList* m_txCodeTable = nullptr;
    ChoiceList* m_rxCodeTable = nullptr;
    ChoiceList* m_txCodeTypeList = nullptr;
    double m_delaySeconds = 0;
    double m_totMinutes = 0;
    double m_rxFreqMHz = 0;
    double m_bandLowMHz = 0;
    double m_bandHighMHz = 0;
    double m_txFreqMHz = 0;

    RadioDocument& m_document;
    const ModelProfile& m_profile;

private:
    struct NumberField {
        QLineEdit* edit;
        double* value;
    };
    // One side's squelch code controls and bits.
    struct CodeSide {
        ChoiceList* typeList;
        ChoiceList* table;
        std::uint8_t onBit;
        std::uint8_t toneBit;
        bool receive;
    };

    template <typename T>
    T* Find(const char* name, bool required) const;
    void ConnectHandlers();
    void FillFixedLists();
    QString Text(const char* utf8) const { return QString::fromUtf8(utf8); }
    CodeSide RxSide() const;
    CodeSide TxSide() const;

    // Channel display
    void ShowOptionLists(const ConstChannelRecord& record);
    void ShowScanGroups();
    void ShowCode(const CodeSide& side, bool on, bool isTone, std::uint8_t byte);

    // Channel lists
    void OnChannelSelectorChosen();
    void OnValidListChosen();
    void SyncValidList();
    void FillValidList();

    // Frequency and option edits
    void OnRxFreqEdited();
    void OnTxFreqEdited();
    void OnBandEdited();
    void OnDelayEdited();
    void OnTotLimitEdited();
    void OnCopyRxToTx();
    void OnCopyTxToRx();
    // Frequency, code and code bits of one side onto the other.
    void CopySide(const CodeSide& from, const CodeSide& to);
    void OnSquelchSpin(int newPosition);
    void OnPowerChosen();
    void OnOptionChosen(ChoiceList* list);

    // Squelch codes
    void OnCodeTypeChosen(const CodeSide& side);
    void OnCodeChosen(const CodeSide& side);

    // Scan groups
    void OnAddToGroup(ScanGroup group);
    void OnRemoveFromGroups();
    void FillGroupList(ScanGroup group);

    // One edit of the edited channel's record or of the settings, marking the
    // document changed when bytes changed.
    void EditRecord(const std::function<void(const ChannelRecord&)>& edit) { m_document.EditChannel(m_editChannel, edit); }
    void EditSettings(const std::function<void(const SettingsBlock&)>& edit) { m_document.EditSettings(edit); }
    ConstChannelRecord Record() const { return m_document.Image().Channel(m_editChannel); }

    QLineEdit* m_squelchBuddy = nullptr;
    QLineEdit* m_rxFreqEdit = nullptr;
    QLineEdit* m_txFreqEdit = nullptr;
    QLineEdit* m_bandLowEdit = nullptr;
    QLineEdit* m_bandHighEdit = nullptr;
    QLineEdit* m_delayEdit = nullptr;
    QLineEdit* m_totLimitEdit = nullptr;
    QPushButton* m_removeFromGroupsButton = nullptr;
    QPushButton* m_addToGroupAButton = nullptr;
    QPushButton* m_addToGroupBButton = nullptr;
    QPushButton* m_copyRxToTxButton = nullptr;
    QPushButton* m_copyTxToRxButton = nullptr;

    std::vector<NumberField> m_readOrder;
    QHash<int, QWidget*> m_controlsById;

    // Editor state; survives New and Open.
    int m_editChannel = 0;
    int m_validListPos = -1;
};

}  // namespace rk
