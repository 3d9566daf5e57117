#include "MainToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>
#include <utility>

#include "CommandSet.h"
#include "ModelProfile.h"
#include "Texts.h"
#include "ToolbarIcons.h"

namespace rk {

QToolBar* AddMainToolBar(const ModelProfile& profile, const CommandSet& commands, QMainWindow& window) {
    auto* toolBar = new QToolBar(&window);
    toolBar->setObjectName(QStringLiteral("toolbar"));
    toolBar->setWindowTitle(QString(Tr(profile.menu.viewToolbar)).remove(QLatin1Char('&')));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const QSize imageSize(profile.toolbarButtonWidth, 15);
    toolBar->setIconSize(imageSize);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const std::pair<int, ToolbarImage> buttons[] = {
        {command::kFileNew, ToolbarImage::New},   {command::kFileOpen, ToolbarImage::Open},
        {command::kFileSave, ToolbarImage::Save}, {0, ToolbarImage::New},
        {profile.ids.read, ToolbarImage::Read},   {profile.ids.write, ToolbarImage::Write},
    };
    for (const auto& [id, image] : buttons) {
        if (id == 0) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = commands.Find(id);
        action->setIcon(ToolbarIcon(image, imageSize));
        toolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action))) {
            button->setAutoRaise(true);
            button->setAccessibleName(action->toolTip());
        }
    }
    window.addToolBar(Qt::TopToolBarArea, toolBar);

    // The View item follows the bar, also when a floating bar is closed.
    QAction* toggle = commands.Find(command::kViewToolbar);
    QObject::connect(toggle, &QAction::toggled, toolBar, &QWidget::setVisible);
    QObject::connect(toolBar, &QToolBar::visibilityChanged, &window, [toolBar, toggle](bool) {
        // visibilityChanged also fires while the window is minimised; follow
        // the bar's own hidden state instead.
        toggle->setChecked(!toolBar->isHidden());
    });
    return toolBar;
}

}  // namespace rk
