#pragma once
// The editor form: one channel and the radio's settings, every edit written
// straight into the document's image. The per-model views build their form
// from a Designer file and hand it to BindForm, which puts one panel on each
// group of controls: the channel lists, the receive and transmit sides, the
// options, the scan groups and the settings.

#include <QHash>
#include <QWidget>
#include <memory>
#include <vector>

#include "ModelProfile.h"
#include "RadioDocument.h"

namespace rk {

class ChannelListsPanel;
class ChannelSide;
class FormState;
class OptionsPanel;
class ScanGroupsPanel;
class SettingsPanel;

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
    ~FormView() override;

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

    // After an undo or redo: the document's current channel is selected and
    // shown, the configured-channel list refilled around it.
    void ShowRestoredImage();

    // Form data exchange. ReadForm warns at the first field that is not a
    // number and keeps that member and the later ones.
    bool ReadForm();
    void ShowForm();

    // The control with the given id (1000..1072), or nullptr when this model
    // has none.
    QWidget* Control(int id) const { return m_controlsById.value(id, nullptr); }

    int EditChannel() const;
    int ValidListPos() const;

signals:
    // The form now shows channel c, chosen by the user or by the program.
    void channelShown(int c);

protected:
    // Finds the form's named controls after the Designer form is set up and
    // builds the panels on them. `readOrder` lists the numeric fields' ids in
    // the order ReadForm takes them.
    void BindForm(const std::vector<int>& readOrder);

private:
    template <typename T>
    T* Find(const char* name, bool required) const;

    std::unique_ptr<FormState> m_state;
    std::unique_ptr<ChannelListsPanel> m_lists;
    std::unique_ptr<ChannelSide> m_rx;
    std::unique_ptr<ChannelSide> m_tx;
    std::unique_ptr<OptionsPanel> m_options;
    std::unique_ptr<ScanGroupsPanel> m_scanGroups;
    std::unique_ptr<SettingsPanel> m_settings;
    QHash<int, QWidget*> m_controlsById;
};

}  // namespace rk
