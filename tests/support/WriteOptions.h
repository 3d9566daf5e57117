#pragma once
// Sets the operation menu's write options the way the user would. The
// preview comes only with a backup; it is off unless asked for.

#include <QAction>

#include "MainFrame.h"
#include "ModelProfile.h"

namespace rk::test {

inline void SetWriteOptions(CMainFrame& frame, const ModelProfile& profile, bool backup, bool verify,
                            bool preview = false) {
    frame.Command(profile.ids.backup)->setChecked(backup);
    frame.Command(profile.ids.verify)->setChecked(verify);
    frame.Command(command::kOperationPreview)->setChecked(preview);
}

}  // namespace rk::test
