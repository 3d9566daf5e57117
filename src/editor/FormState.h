#pragma once
// What every panel of the form shares: the document, the model's texts and
// the number fields. The channel being edited is the document's current
// channel. Edits go through here into the document, which marks itself
// changed when bytes changed.

#include <QLineEdit>
#include <QString>
#include <functional>
#include <vector>

#include "ModelProfile.h"
#include "RadioDocument.h"

namespace rk {

// The form's number fields and the values they exchange with the image.
// Show puts every value into its field; Read takes the fields' numbers in the
// model's order and, at the first that is not a number, warns, selects that
// field and keeps its value and the later ones as they were.
struct NumberValues {
    double delaySeconds = 0;
    double totMinutes = 0;
    double rxFreqMHz = 0;
    double bandLowMHz = 0;
    double bandHighMHz = 0;
    double txFreqMHz = 0;
};

class FormState {
public:
    FormState(RadioDocument& doc, const ModelProfile& model) : document(doc), profile(model) {}

    // The fields in reading order, each with the value it exchanges with.
    struct NumberField {
        QLineEdit* edit;
        double* value;
    };
    // Leaving a field ends its typing step.
    void SetReadOrder(std::vector<NumberField> order);
    bool ReadForm();
    void ShowForm();

    // The edited channel: the document's current channel. Between New or Open
    // and the form's start-over the document has none; the form then reads
    // channel 0, the one it is about to show.
    int Channel() const;
    // One edit of the edited channel's record or of the settings. A typed
    // number passes its field's control id, so that its keystrokes make one
    // step of the history.
    void EditRecord(const std::function<void(const ChannelRecord&)>& edit, int typedField = 0) {
        document.EditChannel(Channel(), edit, typedField);
    }
    void EditSettings(const std::function<void(const SettingsBlock&)>& edit, int typedField = 0) {
        document.EditSettings(edit, typedField);
    }
    ConstChannelRecord Record() const { return document.Image().Channel(Channel()); }

    // A model text in the interface language; the model's texts live in one
    // translation context, named after the program.
    QString Text(const char* utf8) const;

    RadioDocument& document;
    const ModelProfile& profile;
    NumberValues values;
    // The configured-channel list's selection; survives New and Open.
    int validListPos = -1;

private:
    std::vector<NumberField> m_readOrder;
};

}  // namespace rk
