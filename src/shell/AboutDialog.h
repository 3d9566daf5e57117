#pragma once
// The about box: program name, version and copyright, one OK button.

#include <QDialog>

namespace rk {
struct ModelProfile;
}

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const rk::ModelProfile& profile, const QIcon& icon, QWidget* parent = nullptr);
};
