#pragma once
// Sets the operation menu's two write options the way the user would.

#include <QAction>

#include "MainFrame.h"
#include "ModelProfile.h"

namespace rk::test {

inline void SetWriteOptions(CMainFrame& frame, const ModelProfile& profile, bool backup, bool verify) {
    frame.Command(profile.ids.backup)->setChecked(backup);
    frame.Command(profile.ids.verify)->setChecked(verify);
}

}  // namespace rk::test
