// The start-up that both workspaces and the command line share: the data folders, the device
// library, the reference tables and the stock battery sizes.
#pragma once

#include <string>
#include <vector>

#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

/// Makes the configurations and reports folders below the user folder; a user folder that cannot
/// be made (an installed program's application data folder) is named in a message.
void make_data_folders(Platform& platform);

/// The batteries.txt files that may hold the stock sizes, first found wins: the one in each
/// settings folder (the user's, then the site's), then the one shipped in the program folder.
std::vector<std::string> stock_battery_files(Platform& platform);

/// Reads the first of stock_battery_files that is there (else the shipped one) into the model's
/// stock sizes; its one message, when the file cannot be used, names it.
void load_stock_batteries(SystemModel& model, Platform& platform);

/// The model as start-up leaves it before any window or workspace resets it: the Windows folder,
/// the device library (its findings shown through the platform), the reference tables and the
/// stock battery sizes from the first of stock_battery_files that is there (its one message, when
/// that file cannot be used, names it).
SystemModel start_model(Platform& platform);

}  // namespace standwise
