// The menu commands that the system and the interface workspace share: the question before
// clearing, exiting, the release notes and the about box.
#pragma once

#include <string>

#include "platform/platform.h"

class QWidget;

namespace standwise {

class AppContext;

/// Asks before "New" clears a workspace's configuration; `caption` names the workspace's question.
bool user_confirms_clear(Platform& platform, const std::string& caption);

/// "Exit": ends the program once the user agrees that unsaved information will be lost.
void exit_if_confirmed(AppContext& ctx);

/// "View release notes": opens the readme in the editor.
void view_release_notes(Platform& platform);

/// "About": shows the about box in place of the workspace for three seconds.
void show_about_box(AppContext& ctx, QWidget* workspace);

}  // namespace standwise
