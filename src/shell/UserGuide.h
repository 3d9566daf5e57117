#pragma once
// The user guide: HTML pages per program and language, installed beside the
// programs' other shared files or, in a build tree, made by its `guide`
// target. Help > User guide opens the page of the interface's language.

#include <QString>

namespace rk {

struct ModelProfile;

// The guide's folder: $RK_GUIDE_DIR when set; else the installed guide
// (share/doc/rk-radio-programs/guide beside the executable's bin folder);
// else the build tree's; else the installed place, where it would be.
QString GuideFolder();

// The page for the language the window speaks: the program's own language
// has its page, any other is shown the English one.
QString GuidePage(const ModelProfile& profile);

// Opens the page in the system's browser; when the page is missing or no
// browser opens, a message gives the page's file.
void OpenUserGuide(const ModelProfile& profile);

}  // namespace rk
