#include "ui/unsaved_changes.h"

#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/system/frmmain.h"
#include "workspace/questions.h"

namespace standwise {

bool has_unsaved_changes(AppContext& ctx, Workspace workspace) {
    if (workspace == Workspace::System) return ctx.system.modified();
    // The interface workspace holds nothing of the user's until its window first opens.
    return ctx.has_interface_window() && ctx.interface_workspace().modified();
}

bool unsaved_changes_settled(AppContext& ctx, Workspace workspace, const std::string& before) {
    if (!has_unsaved_changes(ctx, workspace)) return true;
    const bool system = workspace == Workspace::System;
    const std::string& path = system ? ctx.system.file_path : ctx.interface_workspace().file_path;
    const std::string name = !path.empty() ? path
                             : system      ? "the system configuration"
                                           : "the interface configuration";
    switch (ask_save_changes(ctx.platform, name, before,
                             system ? "Standwise - System" : "Standwise - Interface")) {
        case UnsavedAnswer::Save:
            return system ? ctx.main().save() : ctx.interface_window().save();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

bool all_unsaved_changes_settled(AppContext& ctx, const std::string& before) {
    return unsaved_changes_settled(ctx, Workspace::System, before) &&
           unsaved_changes_settled(ctx, Workspace::Interface, before);
}

}  // namespace standwise
