// The menu commands that the system and the interface workspace share: the question before
// clearing, exiting, the release notes and the about box.
#pragma once

#include <string>

#include "platform/platform.h"
#include "workspace/questions.h"

class QWidget;

namespace standwise {

class AppContext;

/// "Exit": ends the program once the user agrees that unsaved information will be lost.
void exit_if_confirmed(AppContext& ctx);

/// "View release notes": opens the readme in the editor.
void view_release_notes(Platform& platform);

/// "About": shows the about box in place of the workspace for three seconds.
void show_about_box(AppContext& ctx, QWidget* workspace);

}  // namespace standwise
