#pragma once
// The user guide: HTML pages per program and language, installed beside the
// programs' other shared files or, in a build tree, made by its `guide`
// target. Help > User guide shows the page of the interface's language in
// the program's own help window.

#include <QString>

class QWidget;

namespace rk {

struct ModelProfile;

// The guide's folder: $RK_GUIDE_DIR when set; else the installed guide
// (share/doc/rk-radio-programs/guide beside the executable's bin folder);
// else the build tree's; else the installed place, where it would be.
QString GuideFolder();

// The page for the language the window speaks: the program's own language
// has its page, any other is shown the English one.
QString GuidePage(const ModelProfile& profile);

// Shows the page in the help window of `window` (made the first time); when
// the page is missing, a message gives the page's file.
void OpenUserGuide(const ModelProfile& profile, QWidget* window);

}  // namespace rk
