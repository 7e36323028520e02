// The device library: one text file per device type in the devices folder beside the program.
#pragma once

#include <string>
#include <vector>

#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

struct SkippedDeviceFile {
    std::string path;
    std::string reason;
};

/// What loading found wrong; the loader itself shows nothing.
struct DeviceLibraryReport {
    bool folder_unreadable = false;
    std::string folder;
    std::vector<SkippedDeviceFile> skipped;
};

/// Reads every ".txt" file of the devices folder, in name order, into the device tables and the
/// interface constants. A file that ends early, carries a device type outside 1..79 or has a whole
/// number outside the 16-bit range is skipped whole. A later file overwrites an earlier one.
DeviceLibraryReport load_device_library(SystemModel& model, Platform& platform);

/// Shows the findings of loading, if any: one message for an unreadable folder, one listing
/// every skipped file.
void report_device_library(const DeviceLibraryReport& report, Platform& platform);

}  // namespace standwise
