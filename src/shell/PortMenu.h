#pragma once
// The Port menu: COM1 and COM2, ticked as the transfer's menu port. For a
// model that uses the menu's port, each item's prompt names the device the
// name stands for when the menu opens; this is the window's one place that
// resolves a COM name.

class QMainWindow;

namespace rk {

class CommandSet;
class TransferCommands;
struct ModelProfile;

void AddPortMenu(const ModelProfile& profile, CommandSet& commands, QMainWindow& window, TransferCommands& transfer);

}  // namespace rk
