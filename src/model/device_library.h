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

/// A device type that more than one file defines; the last file is the one used.
struct DeviceTypeFiles {
    int device_type = 0;
    std::vector<std::string> files;  // file names in the order read
};

/// What loading found wrong; the loader itself shows nothing.
struct DeviceLibraryReport {
    bool folder_unreadable = false;
    std::string folder;
    std::vector<SkippedDeviceFile> skipped;
    std::vector<DeviceTypeFiles> defined_twice;
};

/// Reads every file of the devices folder whose name holds ".txt" (any case), in name order, into
/// the device tables and the interface constants; the interface files are told by the markers
/// Q7-MX210, Q7-MX220 and Q7-MX240 in their names. A file that cannot be read, ends early, carries a
/// device type outside 1..79, has a number line holding anything but a number (a trailing letter or
/// comma included), a whole number outside the 16-bit range, a negative count (an interface unit's
/// maximum included), or a
/// current that is negative, not finite or too large (an ordinary device over 1000000 uA, an
/// interface constant over 1 A) is skipped whole. A later file overwrites an earlier one.
DeviceLibraryReport load_device_library(SystemModel& model, Platform& platform);

/// Shows the findings of loading, if any: one message for an unreadable folder, and one that lists
/// every skipped file and every device type defined by more than one file.
void report_device_library(const DeviceLibraryReport& report, Platform& platform);

}  // namespace standwise
