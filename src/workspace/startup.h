// The start-up that both workspaces and the command line share: the data folders, the device
// library, the reference tables and the stock battery sizes.
#pragma once

#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

/// Makes the configurations and reports folders below the user folder; a user folder that cannot
/// be made (an installed program's application data folder) is named in a message.
void make_data_folders(Platform& platform);

/// The model as start-up leaves it before any window or workspace resets it: the Windows folder,
/// the device library (its findings shown through the platform), the reference tables and the
/// stock battery sizes (its one message, when batteries.txt cannot be used).
SystemModel start_model(Platform& platform);

}  // namespace standwise
