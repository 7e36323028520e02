#include "ui/workspace_commands.h"

#include <QWidget>

#include "ui/app_context.h"
#include "ui/misc/frmabout.h"
#include "platform/qt_window_placement.h"

namespace standwise {

bool user_confirms_clear(Platform& platform, const std::string& caption) {
    return platform.ask_user(
               std::string("This will clear the current configuration") + kCrLf + "Are you sure?", caption,
               MessageStyle::YesNoQuestion) == Answer::Yes;
}

void exit_if_confirmed(AppContext& ctx) {
    if (ctx.platform.ask_user("Are you sure you want to exit?\rUnsaved information will be lost",
                              "Exit Program", MessageStyle::OkCancelExclamation) == Answer::Ok)
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
