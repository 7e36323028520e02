#include "ui/workspace_commands.h"

#include <QWidget>

#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/misc/frmabout.h"
#include "ui/unsaved_changes.h"

namespace standwise {

// With changes unsaved in either workspace the user may save them first; otherwise the usual
// question stands.
void exit_if_confirmed(AppContext& ctx) {
    const bool unsaved =
        has_unsaved_changes(ctx, Workspace::System) || has_unsaved_changes(ctx, Workspace::Interface);
    if (unsaved ? all_unsaved_changes_settled(ctx, "exiting") : user_confirms_exit(ctx.platform))
        ctx.end_program();
}

void view_release_notes(Platform& platform) {
    platform.open_in_editor(data_path(platform, "readme.txt"));
}

void show_about_box(AppContext& ctx, QWidget* workspace) {
    workspace->hide();
    place_over(&ctx.about(), workspace);
    ctx.about().show();
    ctx.platform.pause(3);
    ctx.about().hide();
    place_over(workspace, &ctx.about());
    workspace->show();
}

}  // namespace standwise
