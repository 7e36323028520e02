// Unsaved changes: before a workspace's configuration is discarded (New, Load, Exit, a close box)
// the user may save it, discard it or cancel.
#pragma once

#include <string>

#include "ui/workspace_router.h"

namespace standwise {

class AppContext;

/// Whether the configuration of `workspace` differs from its file or from a fresh start.
bool has_unsaved_changes(AppContext& ctx, Workspace workspace);

/// Whether the caller may go on and discard what `workspace` holds: nothing is unsaved, or the user
/// saved it (to its file, or a chosen one), or discarded it. False on Cancel, or when the save did
/// not happen. `before` ends the question: "Save changes to P before exiting?".
bool unsaved_changes_settled(AppContext& ctx, Workspace workspace, const std::string& before);

/// The same for both workspaces, the system first.
bool all_unsaved_changes_settled(AppContext& ctx, const std::string& before);

}  // namespace standwise
