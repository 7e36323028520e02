// Switching between the two workspaces: each window asks here, so neither workspace's window
// needs to know the other's.
#pragma once

class QWidget;

namespace standwise {

class AppContext;

enum class Workspace { System, Interface };

/// Shows the window of `workspace` where `leaving` stood, `leaving` hidden: the interface window on
/// its first tab, the main window on its "Site Details" tab.
void show_workspace(AppContext& ctx, Workspace workspace, QWidget* leaving);

/// Whether the window of `workspace` is the one shown.
bool workspace_shown(AppContext& ctx, Workspace workspace);

}  // namespace standwise
