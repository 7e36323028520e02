// Configurations opened other than through a Load chooser: named on the command line, dropped on
// a workspace's window, or picked from its recent configurations.
#pragma once

#include <string>

#include "ui/workspace_router.h"

class QMimeData;

namespace standwise {

class AppContext;

/// Opens a configuration named on the command line or dropped on a workspace's window: the
/// marker on its first line decides which workspace's Load command loads it, that workspace coming
/// to the front; a file of neither kind gets the "Incorrect File Type" message of the receiving
/// workspace. A file that cannot be read is named with the reason and nothing changes.
void open_configuration_file(AppContext& ctx, const std::string& path, Workspace receiving);

/// An entry of a workspace's recent configurations, loaded by that workspace's Load command. A
/// file that has gone is taken off the list with a message naming it.
void open_recent_configuration(AppContext& ctx, const std::string& path, Workspace workspace);

/// A drop on a workspace's window: one configuration file (.cfg) opens as
/// open_configuration_file; anything else is refused with a short message.
void drop_configuration(AppContext& ctx, const QMimeData& data, Workspace receiving);

}  // namespace standwise
