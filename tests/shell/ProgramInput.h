#pragma once
// A program under test driven the way a user drives it: a channel chosen in
// the selector, a value typed into a field of the form, the sample image
// opened from a file.

#include <QDir>
#include <QLineEdit>

#include "ChoiceList.h"
#include "FormInput.h"
#include "FormView.h"
#include "MainFrame.h"
#include "ModelProfile.h"
#include "ProgramShell.h"
#include "TestFiles.h"
#include "TestImages.h"

namespace rk::test {

inline void ChooseChannel(ProgramShell& program, int channel) {
    ClickRow(static_cast<ChoiceList*>(program.View().Control(ctl::kChannelSelector)), channel);
}

inline void TypeInto(ProgramShell& program, int id, const QString& text) {
    TypeOver(static_cast<QLineEdit*>(program.View().Control(id)), text);
}

// The sample image (SampleImage), opened from radio.<the model's extension>
// in `folder`; false when it does not open.
inline bool OpenSample(ProgramShell& program, const ModelProfile& profile, const QDir& folder) {
    const QString path = folder.filePath(QStringLiteral("radio") + QString::fromUtf8(profile.rules.extension));
    WriteFile(path, FileBytes(SampleImage()));
    return program.MainFrame().OpenFile(path);
}

}  // namespace rk::test
