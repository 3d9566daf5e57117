#include "PortMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "CommandSet.h"
#include "ModelProfile.h"
#include "SystemPorts.h"
#include "Texts.h"
#include "TransferCommands.h"

namespace rk {

namespace {

// A model that uses the menu's port says which device each name stands for
// right now.
void RefreshPortPrompts(const ModelProfile& profile, const CommandSet& commands) {
    if (profile.rules.searchesPorts) return;
    const struct {
        int id;
        const char* name;
        const char* prompt;
    } ports[] = {{profile.ids.portCom1, "COM1", profile.prompts.portCom1.prompt},
                 {profile.ids.portCom2, "COM2", profile.prompts.portCom2.prompt}};
    for (const auto& [id, name, prompt] : ports) {
        const QString device = QString::fromStdString(SystemPortDirectory().Resolve(name).device);
        commands.Find(id)->setStatusTip(Tr(profile.shell.portDevicePrompt)
                                            .arg(Tr(prompt), device.isEmpty() ? Tr(profile.shell.portNoDevice)
                                                                              : QDir::toNativeSeparators(device)));
    }
}

void RefreshPortTicks(const ModelProfile& profile, const CommandSet& commands, const TransferCommands& transfer) {
    const QString port = transfer.MenuPort();
    commands.Find(profile.ids.portCom1)->setChecked(port == QLatin1String("COM1"));
    commands.Find(profile.ids.portCom2)->setChecked(port == QLatin1String("COM2"));
}

}  // namespace

void AddPortMenu(const ModelProfile& profile, CommandSet& commands, QMainWindow& window, TransferCommands& transfer) {
    QMenu* portMenu = window.menuBar()->addMenu(Tr(profile.menu.port));
    const auto& ids = profile.ids;
    const auto& prompts = profile.prompts;
    auto* group = new QActionGroup(&window);
    QAction* com1 = commands.Add(ids.portCom1, profile.menu.portCom1, prompts.portCom1.prompt, prompts.portCom1.tooltip);
    QAction* com2 = commands.Add(ids.portCom2, profile.menu.portCom2, prompts.portCom2.prompt, prompts.portCom2.tooltip);
    for (QAction* action : {com1, com2}) {
        action->setCheckable(true);
        group->addAction(action);
        portMenu->addAction(action);
    }
    QObject::connect(com1, &QAction::triggered, &window, [&transfer] { transfer.SetMenuPort(QStringLiteral("COM1")); });
    QObject::connect(com2, &QAction::triggered, &window, [&transfer] { transfer.SetMenuPort(QStringLiteral("COM2")); });
    const auto refresh = [&profile, &commands, &transfer] {
        RefreshPortTicks(profile, commands, transfer);
        RefreshPortPrompts(profile, commands);
    };
    QObject::connect(portMenu, &QMenu::aboutToShow, &window, refresh);
    refresh();
}

}  // namespace rk
