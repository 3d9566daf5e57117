#pragma once
// The about box: program name, version, copyright and where the user guide
// is, one OK button.

#include <QDialog>

namespace rk {
struct ModelProfile;
}

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const rk::ModelProfile& profile, const QIcon& icon, QWidget* parent = nullptr);
};
