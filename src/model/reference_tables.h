// The panel tables compiled into the program and the start-up that fills them.
#pragma once

#include "model/device_library.h"
#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

/// The version text of the main window's status bar.
inline constexpr const char* kStatusVersion = "V1.04";

/// Fills the card list, controller kinds, alarm durations, battery factor table and the records of
/// the three PSU types with their six system types; every panel's slots become its default slots.
void fill_reference_tables(SystemModel& model);

/// Loads the device library and then fills the reference tables.
DeviceLibraryReport init_reference_tables(SystemModel& model, Platform& platform);

/// Stores the Windows folder and runs init_reference_tables.
DeviceLibraryReport read_windows_dir(SystemModel& model, Platform& platform);

/// Battery capacity of every system of the dual-charger PSU.
void set_dual_capacity_42(SystemModel& model);
void set_dual_capacity_84(SystemModel& model);

}  // namespace standwise
