// The menu commands that save to a chosen file or open a chosen report, shared by both workspaces.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/system_config.h"
#include "platform/platform.h"

namespace standwise {

/// What a save-style command shows: its chooser and its overwrite question.
struct SaveCommand {
    std::string title;  // the chooser's title, also the caption of a write failure
    std::string filter;
    std::string initial_folder;  // empty lets the chooser decide
    std::string exists_caption;  // caption of the overwrite question
};

/// Chooses a file to save, asks before replacing an existing one, then writes the lines made at
/// that moment. A name typed without an extension gets the filter's. A file that cannot be written
/// is named in a message and any earlier copy stays. Returns the path written, if any.
std::optional<std::string> save_to_chosen_file(Platform& platform, const SaveCommand& command,
                                               const std::function<std::vector<std::string>()>& make_lines);

/// The same for a file of any kind: `write` writes the chosen path and returns why it failed, if it
/// did; it must leave an existing file as it was then.
std::optional<std::string> save_chosen_file(
    Platform& platform, const SaveCommand& command,
    const std::function<std::optional<std::string>(const std::string& path)>& write);

/// The message naming a configuration file that cannot be loaded and why: "The file P cannot be
/// loaded: it is not a regular file."
std::string unloadable_message(const std::string& path, const std::string& why);

/// After a menu's load: a file that is not a regular file, or is too large, is named in a message
/// captioned `caption`; one that cannot be opened ends the command silently, as a cancelled chooser.
void report_refused_file(Platform& platform, const std::string& caption, const std::string& path,
                         const ConfigLoad& load);

/// "Open Report": shows a chosen report in the editor; a cancelled chooser or a file that cannot be
/// read ends it silently. Returns the chosen path, empty when cancelled.
std::string open_chosen_report(Platform& platform, const std::string& initial_folder);

}  // namespace standwise
