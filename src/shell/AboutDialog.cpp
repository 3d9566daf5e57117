#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ModelProfile.h"
#include "Texts.h"
#include "UserGuide.h"

using rk::Tr;

CAboutDlg::CAboutDlg(const rk::ModelProfile& profile, const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(profile.shell.aboutTitle));
    setModal(true);
    auto* layout = new QGridLayout(this);
    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(icon.pixmap(32, 32));
    layout->addWidget(iconLabel, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(Tr(profile.shell.aboutVersion), this), 0, 1);
    layout->addWidget(new QLabel(Tr(profile.shell.aboutCopyright), this), 1, 1);
    auto* guide = new QLabel(Tr(profile.guide.location).arg(QDir::toNativeSeparators(rk::GuideFolder())), this);
    guide->setObjectName(QStringLiteral("guideLocation"));
    guide->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(guide, 2, 1);
    // Enter and Escape close the box as the button does.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 0, 2, 3, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
}
