#pragma once
// The main window's toolbar: New, Open, Save, then Read and Write, each the
// command of the same id with its icon; it may be moved, floated or hidden,
// and the View menu's item follows it.

class QMainWindow;
class QToolBar;

namespace rk {

class CommandSet;
struct ModelProfile;

QToolBar* AddMainToolBar(const ModelProfile& profile, const CommandSet& commands, QMainWindow& window);

}  // namespace rk
