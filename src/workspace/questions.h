// The questions both workspaces ask before they clear or end anything.
#pragma once

#include <string>

#include "platform/platform.h"

namespace standwise {

/// "This will clear the current configuration / Are you sure?" under `caption`; true on Yes.
bool user_confirms_clear(Platform& platform, const std::string& caption);

/// The loop window's question before it clears the loop; true on Yes.
bool user_confirms_clear_loop(Platform& platform);

/// The Exit items' question; true on OK.
bool user_confirms_exit(Platform& platform);

/// The main window's close box question; true on Yes.
bool user_confirms_close(Platform& platform);

enum class UnsavedAnswer { Save, Discard, Cancel };

/// "Save changes to P before …?" with Save, Discard and Cancel; `before` ends the question
/// ("exiting").
UnsavedAnswer ask_save_changes(Platform& platform, const std::string& name, const std::string& before,
                               const std::string& caption);

}  // namespace standwise
