// Loading a configuration from the windows: every load starts from the start-up state of its
// workspace, so nothing of the configuration that was open mixes in, and a file that cannot be read
// whole is applied only when the user agrees.
#pragma once

#include <string>
#include <vector>

#include "files/config_fields.h"
#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

class SystemWorkspace;
class InterfaceWorkspace;

enum class FreshLoad {
    Refused,   // not a configuration of the kind: its message shown, nothing changed
    Declined,  // cut short, and the user kept what was open
    Whole,     // read whole onto the start-up state
    Part,      // cut short, and the part read applied onto the start-up state as a new configuration
};

/// The question before a file cut short is applied: "The file P could not be read whole: reading
/// stopped at line N (the reason). Load the part that could be read into a new configuration?";
/// true on Yes.
bool user_loads_part(Platform& platform, const std::string& caption, const std::string& path,
                     const ReadStop& stop);

/// Loads a system configuration's lines into `ws` from `started`. The file is first read into a
/// scratch workspace, quietly, to learn whether it reads whole; a file that does not is applied
/// only on Yes to user_loads_part, and then every loop and the system are worked out again.
FreshLoad load_system_configuration(SystemWorkspace& ws, const SystemModel& started, const std::string& path,
                                    const std::vector<std::string>& lines, const std::string& caption);

/// The same for the interface workspace, whose start-up state is its window's reset.
FreshLoad load_interface_configuration(InterfaceWorkspace& ws, const SystemModel& started,
                                       const std::string& path, const std::vector<std::string>& lines,
                                       const std::string& caption);

/// How the menus report a load: Refused as not a configuration, Part and Declined as stopped (Declined
/// also marked declined).
ConfigLoad config_load(FreshLoad load);

}  // namespace standwise
