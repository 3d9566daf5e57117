#pragma once
// The editor form: one channel and the radio's settings, every edit written
// straight into the document's image.

#include <QWidget>

#include "ModelProfile.h"
#include "RadioDocument.h"

namespace rk {

class FormView : public QWidget {
    Q_OBJECT
public:
    FormView(RadioDocument& document, const ModelProfile& profile, QWidget* parent = nullptr);

    // Runs when the form is first shown and after every New and Open.
    virtual void OnInitialUpdate();

    // The transfer commands of the Operation menu and the toolbar.
    virtual void OnReadRadio();
    virtual void OnWriteRadio();

    // True while a write to the radio is under way.
    virtual bool IsWriting() const;
    // The window is about to close: stop the transfer timers.
    virtual void OnCloseRequest();

protected:
    RadioDocument& m_document;
    const ModelProfile& m_profile;
};

}  // namespace rk
